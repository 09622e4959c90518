#include "cli/byte_streams.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <istream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/bad_input.h"
#include "cli/standard_output.h"

namespace quorvel::cli {
namespace {

void SetBinary([[maybe_unused]] std::FILE* stream) {
#ifdef _WIN32
    _setmode(_fileno(stream), _O_BINARY);
#endif
}

// UTF-8 names reach the file system whole on Windows too (as UTF-16).
std::filesystem::path PathOf(const std::string& utf8) { return std::u8string(utf8.begin(), utf8.end()); }

// At most maxBytes + 1 bytes, so that input over the bound is seen without reading it all.
std::string ReadAtMost(std::istream& in, std::size_t maxBytes) {
    std::string data;
    char buffer[64 * 1024];
    while (data.size() <= maxBytes && in.read(buffer, sizeof buffer).gcount() > 0) {
        data.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return data;
}

std::string TooLarge(const std::string& name, std::size_t maxBytes) {
    return name + " holds more than " + std::to_string(maxBytes) + " bytes, the most this command reads";
}

}  // namespace

std::string ReadBytes(const std::string& path, std::size_t maxBytes) {
    // The library reports some read errors (a folder given as the file) by
    // throwing from inside the stream buffer.
    try {
        if (path == "-") {
            SetBinary(stdin);
            std::string data = ReadAtMost(std::cin, maxBytes);
            if (std::cin.bad()) throw BadInput("cannot read standard input");
            if (data.size() > maxBytes) throw BadInput(TooLarge("standard input", maxBytes));
            return data;
        }
        std::error_code error;
        if (std::filesystem::is_directory(PathOf(path), error)) throw BadInput(path + " is a folder, not a file");
        std::ifstream file(PathOf(path), std::ios::binary);
        if (!file) throw BadInput("cannot open " + path);
        std::string data = ReadAtMost(file, maxBytes);
        if (file.bad()) throw BadInput("cannot read " + path);
        if (data.size() > maxBytes) throw BadInput(TooLarge(path, maxBytes));
        return data;
    } catch (const std::ios_base::failure&) {
        throw BadInput("cannot read " + path);
    }
}

void WriteStdout(std::string_view bytes) {
    if (!WriteStandard(StandardStream::Output, bytes)) throw BadInput("cannot write the output");
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    if (path == "-") return WriteStdout(bytes);
    std::ofstream file(PathOf(path), std::ios::binary | std::ios::trunc);
    if (!file) throw BadInput("cannot create " + path);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw BadInput("cannot write " + path);
}

}  // namespace quorvel::cli
