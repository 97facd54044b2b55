#include "qtcore/program_home.h"

#include <QStandardPaths>

#include "platform/program_home.h"

namespace kugel {

std::string programHome() {
    const std::filesystem::path userData =
        std::filesystem::path(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()) /
        "kugelmeister";
    return chooseProgramHome(executableDirectory(), userData).string();
}

}  // namespace kugel
