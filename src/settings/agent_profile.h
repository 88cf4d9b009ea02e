#pragma once
// The agent's identity, kommlogo.KVS: one 487-byte record written by the main program.
#include "platform/workspace.h"

#include <cstddef>
#include <string>

namespace andel {

struct AgentProfile {
    std::string companyName = "FIRMANAVN";
    std::string streetAddress = "FIRMA ADRESSE";
    std::string postalAddress = "POSTADRESSE";
    std::string slogan = "NORGES BESTE TIPPEKOMMISJONÆR";
    std::string agentNumber = "BG 000 000 000";
    std::string telephone = "00 00 00 00";
    std::string fax = "00 00 00 00";

    bool operator==(const AgentProfile&) const = default;
};

struct AgentProfileRead {
    AgentProfile profile;
    bool found = false;  // false when kommlogo.KVS is missing (the defaults are kept)
};

inline constexpr std::size_t kAgentProfileBytes = 487;

// Reads the first 487 bytes; a shorter or unreadable file throws IoError.
AgentProfileRead readAgentProfile(const Workspace& workspace);

// Writes the record in place of kommlogo.KVS; texts longer than their field are cut.
void writeAgentProfile(const Workspace& workspace, const AgentProfile& profile);

}  // namespace andel
