#include "report_cli.hpp"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <algorithm>
#include <sstream>
#include <windows.h>
#endif

namespace {

int Run(const std::vector<std::string>& texts, std::ostream& out, std::ostream& err) {
    const std::vector<std::string_view> args(texts.begin(), texts.end());
    return quellfin::RunReportTool(args, out, err, quellfin::UserSeparators());
}

} // namespace

#ifdef _WIN32

namespace {

// While the tool writes to a console window, the console reads bytes as UTF-8.
class Utf8Console {
public:
    Utf8Console() {
        DWORD mode = 0;
        if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) ||
            GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode)) {
            previous_ = GetConsoleOutputCP();
            SetConsoleOutputCP(CP_UTF8);
        }
    }
    ~Utf8Console() {
        if (previous_ != 0) {
            SetConsoleOutputCP(previous_);
        }
    }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT previous_ = 0;
};

// The bytes as they are, past the C runtime, which would turn "\n" into "\r\n" in a file or a
// pipe and may re-encode them on their way to a console.
void WriteAll(DWORD stream, const std::string& bytes) {
    const HANDLE handle = GetStdHandle(stream);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 16));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return;
        }
        done += written;
    }
}

} // namespace

// Windows hands the arguments over in UTF-16; the tool reads them in UTF-8 and writes the same
// bytes as everywhere else: UTF-8 with "\n" line ends.
int wmain(int argc, wchar_t** argv) {
    const Utf8Console console;
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg(argv[i]);
        texts.push_back(quellfin::Utf8FromUtf16(std::u16string(arg.begin(), arg.end())));
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(texts, out, err);
    WriteAll(STD_OUTPUT_HANDLE, out.str());
    WriteAll(STD_ERROR_HANDLE, err.str());
    return status;
}

#else

int main(int argc, char** argv) {
    return Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

#endif
