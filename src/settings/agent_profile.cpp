#include "settings/agent_profile.h"

#include "model/codepage.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace andel {
namespace {

constexpr const char* kFileName = "kommlogo.KVS";

// Each field is a length byte followed by `capacity` bytes of Windows-1252 text.
struct Field {
    std::size_t offset;
    std::size_t capacity;
    std::string AgentProfile::*member;
};

constexpr std::array<Field, 7> kFields{{
    {0, 80, &AgentProfile::companyName},
    {81, 80, &AgentProfile::streetAddress},
    {162, 80, &AgentProfile::postalAddress},
    {243, 80, &AgentProfile::slogan},
    {324, 80, &AgentProfile::agentNumber},
    {405, 40, &AgentProfile::telephone},
    {446, 40, &AgentProfile::fax},
}};

}  // namespace

AgentProfileRead readAgentProfile(const Workspace& workspace) {
    const auto path = workspace.file(kFileName);
    if (!fileExists(path)) return {};

    std::ifstream in(path, std::ios::binary);
    if (!in) throw IoError("Kan ikke lese " + pathText(path));
    std::string record(kAgentProfileBytes, '\0');
    in.read(record.data(), static_cast<std::streamsize>(record.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got < kAgentProfileBytes) {
        throw IoError(std::string("Kan ikke lese ") + kFileName + ": filen er for kort (" +
                      std::to_string(got) + " byte, ventet " +
                      std::to_string(kAgentProfileBytes) + ")");
    }

    AgentProfileRead result{AgentProfile{}, true};
    for (const Field& field : kFields) {
        // A length beyond the capacity is cut, so a field never reads into the next one.
        const std::size_t length =
            std::min<std::size_t>(static_cast<unsigned char>(record[field.offset]), field.capacity);
        result.profile.*field.member = fromCp1252(std::string_view(record).substr(field.offset + 1, length));
    }
    return result;
}

void writeAgentProfile(const Workspace& workspace, const AgentProfile& profile) {
    std::string record(kAgentProfileBytes, '\0');
    for (const Field& field : kFields) {
        std::string bytes = toCp1252(profile.*field.member);
        bytes.resize(std::min(bytes.size(), field.capacity));
        record[field.offset] = static_cast<char>(bytes.size());
        record.replace(field.offset + 1, bytes.size(), bytes);
    }
    replaceFile(workspace.file(kFileName), record);
}

}  // namespace andel
