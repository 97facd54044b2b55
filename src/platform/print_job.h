#pragma once

#include <string>
#include <vector>

namespace kugel {

// What the program puts on paper, in a page model of its own: text placed in
// millimetres from the page's top left corner, so the model composes a page
// without knowing any printer, and the desktop and the driver show the same.
struct PrintFont {
    std::string family = "Arial";
    double pointSize = 11;
    bool bold = false;
};

enum class PrintAlign { Left, Right };

struct PrintText {
    double x = 0;    // mm; the left edge, or the right edge when aligned right
    double top = 0;  // mm; the top of the line of text
    std::string text;
    PrintFont font;
    PrintAlign align = PrintAlign::Left;
};

// A horizontal rule from x1 to x2 at y, `width` thick (all mm).
struct PrintRule {
    double x1 = 0;
    double x2 = 0;
    double y = 0;
    double width = 0.3;
};

struct PrintPage {
    std::vector<PrintText> texts;
    std::vector<PrintRule> rules;
};

// How an offer to print ended: printed, given up by the user, or refused by
// the printer (or the file) the pages went to.
enum class PrintResult { Printed, Cancelled, Failed };

struct PrintJob {
    std::string title;  // the document's name in the print queue and the PDF
    double pageWidth = 210;
    double pageHeight = 297;  // A4 portrait
    std::vector<PrintPage> pages;
};

}  // namespace kugel
