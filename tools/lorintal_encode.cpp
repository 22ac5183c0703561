// lorintal-encode IN OUT: writes a UTF-8 text file as Windows-1251 with CR LF line ends. The
// shipped data is kept in UTF-8 in the repository and laid out in the program's code page.

#include "engine/Cp1251.h"
#include "engine/LineList.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lorintal-encode IN OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "lorintal-encode: cannot read " << argv[1] << '\n';
        return 1;
    }
    const std::string utf8{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string text = LineList::fromText(cp1251::fromUtf8(utf8)).text();
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out.flush()) {
        std::cerr << "lorintal-encode: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
