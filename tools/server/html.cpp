#include "html.h"

namespace kugel::server {

std::string htmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string htmlPage(std::string_view title, std::string_view body) {
    std::string page = "<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\"><title>";
    page += htmlEscaped(title);
    page +=
        "</title><style>body{font-family:Arial,sans-serif;margin:2em}"
        "table{border-collapse:collapse}td,th{border:1px solid #888;padding:.3em .6em}"
        "th{background:#eee}.pb{color:#b00;font-weight:bold}</style></head>\n<body>\n";
    page += body;
    page += "\n</body></html>\n";
    return page;
}

}  // namespace kugel::server
