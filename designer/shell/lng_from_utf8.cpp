// Builds a language file from its UTF-8 source: Windows-1251 text with CR LF
// line ends, as the designer reads it. Refuses what the designer could not
// read back whole: a character Windows-1251 lacks, a text over 80
// characters, a file over the size a language file may have.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "common/cp1251.h"
#include "common/text/string_table.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lng_from_utf8 SOURCE.txt OUT.lng\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    std::string output;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string converted = common::Utf8ToCp1251(line);
        if (common::Cp1251ToUtf8(converted) != line) {
            std::cerr << argv[1] << ":" << number << ": a character Windows-1251 cannot hold\n";
            return 1;
        }
        const std::size_t eq = converted.find('=');
        if (number > 1 && eq != std::string::npos && converted.size() - eq - 1 > text::StringTable::kSlotText) {
            std::cerr << argv[1] << ":" << number << ": text longer than 80 characters\n";
            return 1;
        }
        output += converted + "\r\n";
    }
    if (output.size() > text::StringTable::kMaxFileSize) {
        std::cerr << argv[1] << ": " << output.size() << " bytes, more than a language file may hold\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << output;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
