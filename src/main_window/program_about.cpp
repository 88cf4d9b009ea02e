#include "main_window/program_about.h"

#include "books/journal.h"
#include "online/online_backup.h"
#include "platform/file_io.h"
#include "register/register_file.h"
#include "storage/storage_directory.h"

namespace andel {

std::string aboutText(const Workspace& workspace) {
    const auto in = [&](std::string_view name) { return pathText(workspace.file(std::string(name))); };
    return "andelstipp " ANDELSTIPP_VERSION "\rAndelstipping for tippekommisjonærer\r\r"
           "Arbeidskatalog: " + pathText(workspace.root()) +
           "\rInnstillinger: " + in("config.kvs") +
           "\rKundekartotek: " + pathText(registerPath(workspace)) +
           "\rLagrede andelslag: " + in(kStorageDirectoryName) +
           "\rAndelsregnskap: " + pathText(booksPath(workspace)) +
           "\rSikkerhetskopier av onlinefiler: " + in(kBackupDirectoryName);
}

}  // namespace andel
