#pragma once

#include <QIcon>
#include <string>

namespace kugel {

// The icon of a picture button, by its form's and its own name: the desktop theme's
// icon for what the button does, else the program's own drawing of it from
// icons/ in the program directory. Null for a button without a picture.
QIcon buttonIcon(const std::string& form, const std::string& name,
                 const std::string& programDirectory);

}  // namespace kugel
