#pragma once

namespace kugel {

class Component;
class TForm1;

// The pages the link labels open, on the vendor's web site.
inline constexpr const char* kProgramPagePath = "/kugelmeister";
inline constexpr const char* kResultsPagePath = "/results/powerball";
inline constexpr const char* kToolPagePath = "/klickwerk";

// Writes the current vendor address into the link labels and side bars.
void showVendorLinks(TForm1& form);

// The side bars: the vendor's home page.
void openVendorHomePage(TForm1& form);
// A link label: the address its caption shows.
void openLinkOfLabel(TForm1& form, Component* sender);

void registerWebLinkHandlers(TForm1& form);

}  // namespace kugel
