// andelstipp-cli certificates in the Windows build of the tool: painting the certificates
// needs Qt, which only the desktop program carries there.
#include "commands.h"

#include <iostream>

namespace andel::cli {

int runCertificates(const Arguments&, Context&) {
    std::cerr << "andelstipp-cli: certificates needs the desktop program on Windows: "
                 "print the share certificates from andelstipp.exe (this tool is built without Qt)\n";
    return 1;
}

}  // namespace andel::cli
