#include "register/customer_fields.h"
#include "register/customer_register.h"
#include "register_fixture.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace andel {
namespace {

using test::customer;

class CustomerRegisterTest : public ::testing::Test {
protected:
    std::string criterionSetting() const { return settings.getString(kQtomSortkriterie).value; }
    std::vector<std::string> lastNames() const {
        std::vector<std::string> names;
        for (std::size_t r = 0; r < reg.table.rows.size(); ++r) names.push_back(reg.table.cell(kLastNameHeader, r));
        return names;
    }

    test::TempDir dir;
    Workspace workspace{dir.path()};
    test::RecordingMessages messages;
    SettingsStore settings = mainStore(workspace, messages, [](int) {});
    CustomerRegister reg;
};

TEST_F(CustomerRegisterTest, EmptyOrMissingRegisterShowsOneEmptyRow) {
    loadRegister(reg, workspace, settings);
    ASSERT_EQ(reg.table.rows.size(), 1u);
    EXPECT_EQ(reg.table.rows[0], std::vector<std::string>(kCustomerColumns));
    dir.write("WTOM.KVS", "");
    loadRegister(reg, workspace, settings);
    EXPECT_EQ(reg.table.rows.size(), 1u);
}

TEST_F(CustomerRegisterTest, LoadReadsTheFileOnlyWhenItChanged) {
    test::writeRegister(dir, {customer("Ola", "Hansen"), customer("Kari", "Berg")});
    loadRegister(reg, workspace, settings);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{" Hansen", " Berg"}));  // file order
    ASSERT_TRUE(reg.current);
    EXPECT_EQ(reg.current->firstName, "Ola");
    EXPECT_EQ(reg.current->playerNumber, "000 000 000");

    reg.table.rows[0][1] = "marker";  // a second load of an unchanged file does not read it
    settings.setString(kQtomSortkriterie, " 2 ");
    loadRegister(reg, workspace, settings);
    EXPECT_EQ(reg.table.headers[1], " Fornavn");  // but applies the stored criterion
    EXPECT_EQ(reg.table.cell(kLastNameHeader, 0), "marker");
    EXPECT_EQ(reg.criterion, 2);

    test::writeRegister(dir, {customer("Ola", "Hansen"), customer("Kari", "Berg"), customer("Per", "Aas")});
    loadRegister(reg, workspace, settings);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{" Hansen", " Berg", " Aas"}));
}

TEST_F(CustomerRegisterTest, StoredCriterionAndActivation) {
    struct Case {
        const char* setting;
        int atLoad, atActivation;
    } cases[] = {{nullptr, 1, 1}, {"0", 1, 1}, {"tre", 1, 1}, {" 3 ", 3, 3}, {"4x", 1, 4}, {"9", 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting ? c.setting : "missing");
        test::TempDir fresh;
        test::RecordingMessages quiet;
        SettingsStore store = mainStore(Workspace(fresh.path()), quiet, [](int) {});
        if (c.setting) store.setString(kQtomSortkriterie, c.setting);
        EXPECT_EQ(storedCriterion(store), c.atLoad);
        CustomerRegister window;
        activateRegister(window, store);
        EXPECT_EQ(window.criterion, c.atActivation);
    }
}

TEST_F(CustomerRegisterTest, ChoosingACriterionArrangesSortsAndStoresIt) {
    test::writeRegister(dir, {customer("Ola", "Hansen", 3), customer("Kari", "Berg", 1), customer("Per", "Aas", 2)});
    loadRegister(reg, workspace, settings);
    chooseCriterion(reg, 3, settings);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{" Berg", " Aas", " Hansen"}));
    EXPECT_EQ(criterionSetting(), "3");
    activateRegister(reg, settings);  // same criterion: nothing changes
    EXPECT_EQ(reg.criterion, 3);
}

TEST_F(CustomerRegisterTest, AddChangeAndDeleteThroughTheTable) {
    test::writeRegister(dir, {customer("Ola", "Hansen", 0, 1, 1, 2001), customer("Ola", "Hansen", 0, 2, 2, 2002)});
    loadRegister(reg, workspace, settings);
    chooseCriterion(reg, 1, settings);

    // Only the row whose names, date and phones equal the selected one goes.
    ASSERT_TRUE(deleteCustomerRow(reg, 1, workspace, messages));
    EXPECT_EQ(reg.table.rows.size(), 1u);
    EXPECT_EQ(readCustomers(workspace), (std::vector<Tkunderec>{customer("Ola", "Hansen", 0, 1, 1, 2001)}));

    CustomerFields fields = newCustomerFields(std::chrono::year{2009} / 3 / 7);
    fields.fornavn = "Kari";
    fields.telefax1 = "55 31 42 08";
    ASSERT_TRUE(addCustomer(reg, customerFromFields(fields), workspace, settings, messages));
    EXPECT_EQ(lastNames(), (std::vector<std::string>{" ", " Hansen"}));
    const Tkunderec kari = readCustomers(workspace).back();
    EXPECT_EQ(kari.playerNumber, 0u);
    EXPECT_EQ(kari.day * 10000 + kari.month * 100 + kari.year % 100, 70309);
    EXPECT_EQ(kari.fax2, 55314208u);

    // A change moves the customer to the end of the file and keeps fax 2 equal to the fax.
    CustomerFields changed = fieldsFromRow(reg.table, 1);
    EXPECT_EQ(changed.dag + changed.mnd + changed.aar, "01012001");
    changed.etternavn = "Aasen";
    changed.telefax1 = "22334455";
    ASSERT_TRUE(changeCustomer(reg, 1, customerFromFields(changed), workspace, settings, messages));
    const std::vector<Tkunderec> file = readCustomers(workspace);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file.back().lastName, "Aasen");
    EXPECT_EQ(file.back().fax2, 22334455u);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{" ", " Aasen"}));
}

TEST(CustomerFieldsCheck, RefusesWhatTheRecordCannotHoldUnchanged) {
    const auto fields = [](auto edit) {
        CustomerFields f = newCustomerFields(std::chrono::year{2009} / 3 / 7);
        f.fornavn = "Kari";
        edit(f);
        return f;
    };
    struct Case {
        const char* name;
        CustomerFields fields;
        const char* field;  // nullptr: accepted
    } cases[] = {
        {"plain", fields([](auto&) {}), nullptr},
        {"grouped numbers as the table shows them", fields([](auto& f) {
             f.spillenummer = "123 456 789";
             f.telefon1 = "553-14207";
             f.telefax1 = "55.31.42.08";
         }), nullptr},
        {"largest player number", fields([](auto& f) { f.spillenummer = "000999 999 999"; }), nullptr},
        {"largest telephone", fields([](auto& f) { f.telefon1 = "0004294967295"; }), nullptr},
        {"ten-digit player number", fields([](auto& f) { f.spillenummer = "4000000001"; }), "spillenummer"},
        {"no first name", fields([](auto& f) { f.fornavn = "  "; }), "fornavn"},
        {"first name over 12", fields([](auto& f) { f.fornavn = "Fridtjof-Helm"; }), "fornavn"},
        {"last name of 20 Norwegian letters", fields([](auto& f) { f.etternavn = "ÆØÅæøåÆØÅæøåÆØÅæøåÆØ"; }), nullptr},
        {"last name over 20", fields([](auto& f) { f.etternavn = "ÆØÅæøåÆØÅæøåÆØÅæøåÆØÅ"; }), "etternavn"},
        {"no date", fields([](auto& f) { f.dag = f.mnd = f.aar = ""; }), nullptr},
        {"zero date of an old record", fields([](auto& f) { f.dag = "00", f.mnd = "00", f.aar = "0000"; }), nullptr},
        {"leap day", fields([](auto& f) { f.dag = "29", f.mnd = "02", f.aar = "2020"; }), nullptr},
        {"carriage return", fields([](auto& f) { f.etternavn = "Nord\rmann"; }), "etternavn"},
        {"line feed", fields([](auto& f) { f.annen = "a\nb"; }), "annen"},
        {"tab in a number", fields([](auto& f) { f.telefon2 = "55\t31"; }), "telefon2"},
        {"one over 32 bits", fields([](auto& f) { f.telefax1 = "4294967296"; }), "telefax1"},
        {"letters", fields([](auto& f) { f.spillenummer = "nr 5"; }), "spillenummer"},
        {"31 February", fields([](auto& f) { f.dag = "31", f.mnd = "02", f.aar = "2020"; }), "dag"},
        {"month 13", fields([](auto& f) { f.mnd = "13"; }), "dag"},
        {"half a date", fields([](auto& f) { f.dag = ""; }), "dag"},
        {"two-digit year", fields([](auto& f) { f.aar = "09"; }), "dag"},
        {"letter in the day", fields([](auto& f) { f.dag = "1x"; }), "dag"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto problem = fieldsProblem(c.fields);
        EXPECT_EQ(problem ? problem->field : std::string("none"), c.field ? c.field : "none");
        if (problem) {
            EXPECT_FALSE(problem->message.empty());
        }
    }
}

TEST_F(CustomerRegisterTest, WhatPassesTheCheckIsStoredWhole) {
    CustomerFields fields;
    fields.fornavn = "  Kristoffers";  // 11 letters behind two blanks: 13 characters
    fields.etternavn = " Holm ";
    ASSERT_FALSE(fieldsProblem(fields).has_value());
    const Tkunderec c = customerFromFields(fields);
    EXPECT_EQ(c.firstName, "Kristoffers");
    EXPECT_EQ(c.lastName, "Holm");
    fields.fornavn = "  Kristoffersen";  // 13 letters
    ASSERT_TRUE(fieldsProblem(fields).has_value());
    EXPECT_EQ(fieldsProblem(fields)->field, "fornavn");
}

TEST_F(CustomerRegisterTest, DialogFieldsKeepOnlyDigitsInNumberFields) {
    CustomerFields fields;
    fields.fornavn = "Fridtjof-Helmer";
    fields.spillenummer = "nr. 123 456 789";
    fields.dag = "3";
    fields.mnd = "ab";
    fields.aar = "20091";
    fields.telefon1 = "tlf 55-31";
    const Tkunderec c = customerFromFields(fields);
    EXPECT_EQ(c.firstName, "Fridtjof-Helmer");  // cut to 12 when written
    EXPECT_EQ(c.playerNumber, 123456789u);
    EXPECT_EQ(c.day, 3);
    EXPECT_EQ(c.month, 0);
    EXPECT_EQ(c.year, 2009);
    EXPECT_EQ(c.telephone1, 5531u);
}

}  // namespace
}  // namespace andel
