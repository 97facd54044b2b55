#include "qt/button_icons.h"

#include <QDir>
#include <QFileInfo>

namespace kugel {
namespace {

struct ButtonIcon {
    const char* form;
    const char* button;
    const char* theme;  // freedesktop icon name; empty: the theme has none for it
    const char* own;    // file in icons/
};

// Each button shows what it does; the chart buttons show which chart.
constexpr ButtonIcon kIcons[] = {
    {"Form1", "SpeedButton6", "go-previous", "previous.svg"},
    {"Form1", "SpeedButton7", "go-next", "next.svg"},
    {"Form1", "SpeedButton10", "view-refresh", "update.svg"},
    {"Form1", "SpeedButton8", "process-stop", "stop.svg"},
    {"Form1", "SpeedButton5", "", "show-draw.svg"},
    {"Form1", "SpeedButton11", "edit-clear", "clear.svg"},
    {"Form1", "SpeedButton13", "", "lucky.svg"},
    {"Form1", "SpeedButton2", "", "chart-frequency.svg"},
    {"Form1", "SpeedButton26", "", "chart-frequency.svg"},
    {"Form1", "SpeedButton22", "", "chart-overdue.svg"},
    {"Form1", "SpeedButton23", "", "chart-pairs.svg"},
    {"Form1", "SpeedButton24", "", "chart-triples.svg"},
    {"Form1", "SpeedButton25", "", "chart-quads.svg"},
    {"Form6", "SpeedButton1", "document-save", "save.svg"},
    {"Form6", "SpeedButton2", "document-open", "open.svg"},
};

}  // namespace

QIcon buttonIcon(const std::string& form, const std::string& name,
                 const std::string& programDirectory) {
    for (const ButtonIcon& entry : kIcons) {
        if (form != entry.form || name != entry.button) continue;
        const QString file = QDir(QString::fromStdString(programDirectory))
                                 .filePath(QStringLiteral("icons/") + QLatin1String(entry.own));
        const QIcon own = QFileInfo::exists(file) ? QIcon(file) : QIcon();
        if (*entry.theme == '\0') return own;
        return QIcon::fromTheme(QString::fromLatin1(entry.theme), own);
    }
    return {};
}

}  // namespace kugel
