// Speed of reading and writing profiles.
//   build/native/bench/core_bench
#include "core/menu.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string BenchFolder()
{
    const auto folder = std::filesystem::temp_directory_path() / "autorun-bench";
    std::filesystem::create_directories(folder);
    return folder.string();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A profile as a disc author would write it: every key of the main section and of ten buttons.
std::string TypicalProfile()
{
    std::string text = "[Main]\r\nWavAbout=about.wav\r\nLanguage=ENGLISH\r\nWavIntro=intro.wav\r\n"
                       "WavClose=close.wav\r\nTitle=My Disc\r\nAuthor=A. Author\r\nNotes=Release notes\r\n"
                       "BitmapPictureFile=disc.bmp\r\nAboutButtonText=&About\r\nCloseButtonText=&Close\r\n"
                       "FitImage=YES\r\nImageText=No picture\r\nEnableModeChange=YES\r\n";
    for (int n = 1; n <= 10; ++n) {
        const std::string s = std::to_string(n);
        text += "[Button" + s + "]\r\nTitle=Button " + s + "\r\nRun=programs\\prog" + s + ".exe\r\nParameters=/p" +
                s + "\r\nPlayWav=click.wav\r\nWindowAction=WA_MINIMIZE\r\nWindowState=WS_MAXIMIZED\r\n"
                    "ToolTipText=Starts program " + s + "\r\n";
    }
    return text;
}

// About 4 MiB of unrelated sections, with the menu's own sections at the end.
std::string PaddedProfile()
{
    std::string text;
    int section = 0;
    while (text.size() < 4 * 1024 * 1024) {
        text += "[Unrelated" + std::to_string(section++) + "]\r\n";
        for (int k = 0; k < 8; ++k)
            text += "Key" + std::to_string(k) + "=some value that is not read by the menu\r\n";
    }
    return text + TypicalProfile();
}

void LoadProfile(benchmark::State& state, const std::string& text, const char* name)
{
    Menu menu;
    menu.ProfilePath = BenchFolder() + "/" + name;
    WriteFile(menu.ProfilePath, text);
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.Load());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_MenuLoadTypical(benchmark::State& state)
{
    LoadProfile(state, TypicalProfile(), "typical.INI");
}

void BM_MenuLoad4MiB(benchmark::State& state)
{
    LoadProfile(state, PaddedProfile(), "padded.INI");
}

void BM_MenuSaveTypical(benchmark::State& state)
{
    Menu menu;
    menu.ProfilePath = BenchFolder() + "/save.INI";
    WriteFile(menu.ProfilePath, TypicalProfile());
    menu.Load();
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.Save());
}

// The yardstick for the 4 MiB load: read the file into memory once and split it into lines.
void BM_ReadAndSplit4MiB(benchmark::State& state)
{
    const std::string path = BenchFolder() + "/padded.INI";
    const std::string text = PaddedProfile();
    WriteFile(path, text);
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        std::fseek(f, 0, SEEK_END);
        std::string bytes(static_cast<size_t>(std::ftell(f)), '\0');
        std::fseek(f, 0, SEEK_SET);
        bytes.resize(std::fread(&bytes[0], 1, bytes.size(), f));
        std::fclose(f);
        std::vector<std::string_view> lines;
        const char* p = bytes.data();
        const char* end = p + bytes.size();
        while (p < end) {
            const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
            if (eol == nullptr)
                eol = end;
            lines.emplace_back(p, static_cast<size_t>(eol - p));
            p = eol + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

} // namespace

BENCHMARK(BM_MenuLoadTypical);
BENCHMARK(BM_MenuSaveTypical);
BENCHMARK(BM_MenuLoad4MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndSplit4MiB)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
