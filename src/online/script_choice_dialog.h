#pragma once

#include <string>
#include <vector>

#include "controls/form.h"

namespace kugel {

// The choice of a click-script template and its four parameters.
class TQCSForm : public Form {
  public:
    explicit TQCSForm(Platform& platform);

    // Set by the hand-over before the dialog is shown: where the templates
    // live and the vendor's web site their fresh copies come from.
    std::string scriptDirectory;
    std::string vendorSite;

    Label* Label1 = nullptr;
    ComboBox* LabeledEdit1 = nullptr;  // the template's path
    Button* BitBtn1 = nullptr;         // choose a template file
    Label* Label2 = nullptr;
    Edit* LabeledEdit2 = nullptr;  // ZAHL1
    Edit* LabeledEdit3 = nullptr;  // ZAHL2
    Edit* LabeledEdit4 = nullptr;  // TEXT1
    Edit* LabeledEdit5 = nullptr;  // TEXT2
    Button* BitBtn3 = nullptr;     // cancel
    Button* BitBtn2 = nullptr;     // OK
    FileDialog* OpenDialog1 = nullptr;
};

// The templates ("*.qcs") of a directory, full paths, in listing order.
std::vector<std::string> listTemplates(const std::string& directory);

// Replaces the local template by the vendor's copy when that is newer. Only
// an existing template in `scriptDirectory` is refreshed, and only by a
// complete, non-empty answer (status 200, the whole body), in one step;
// every failure is silent.
void refreshTemplate(Platform& platform, const std::string& vendorSite,
                     const std::string& scriptDirectory, const std::string& templateFile);

}  // namespace kugel
