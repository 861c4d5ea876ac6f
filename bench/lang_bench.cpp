// Language file costs on the simulated desktop: loading a 2 MB translation against only
// reading its bytes, and text lookups against a plain hash map of the same keys. Details
// go to stderr; stdout carries the two ratio lines.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "lang/language_controller.h"
#include "platform/sim/sim_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string kFolder = "C:\\Program Files\\Pivola\\trans\\";
const std::string kFile = "UTF8_program.ini";
constexpr int kSectionsPerKind = 200;
constexpr int kKeysPerSection = 90;
constexpr int kLookups = 100000;
constexpr int kRepeats = 7;

std::string AreaName(int i) { return "__Area" + std::to_string(i); }
std::string MessageName(int j) { return "Message" + std::to_string(j); }
std::string ComponentKey(int j) { return "Component" + std::to_string(j) + ".Caption"; }
std::string TextFor(int i, int j) {
    std::string t = "Übersetzter Text " + std::to_string(i) + "/" + std::to_string(j) + " für die Anzeige";
    if (j % 7 == 0) t += "<NL>zweite Zeile &amp; mehr";
    return t;
}

std::string BuildLanguageFile() {
    std::string text = "\xEF\xBB\xBF[MetaData]\r\nLingua_ID=de-de\r\n";
    for (int i = 0; i < kSectionsPerKind; ++i) {
        text += "[StrsRes" + AreaName(i) + "]\r\n";
        for (int j = 0; j < kKeysPerSection; ++j) text += MessageName(j) + "__Value=" + TextFor(i, j) + "\r\n";
        text += "[StrsGui____Controls" + AreaName(i) + "]\r\n";
        for (int j = 0; j < kKeysPerSection; ++j) text += ComponentKey(j) + "=" + TextFor(i, j) + "\r\n";
    }
    return text;
}

template <typename F>
double Seconds(F&& f) {
    auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Pick {
    std::string Section;
    std::string Key;
    std::string MapKey;
    bool Gui;
};

}  // namespace

int main() {
    pv::sim::SimPlatform sim;
    const std::string bytes = BuildLanguageFile();
    const std::string path = kFolder + "de-de\\" + kFile;
    sim.SimFiles().PutFile(path, bytes);

    std::vector<double> readTimes, loadTimes;
    size_t sink = 0;
    for (int r = 0; r < kRepeats; ++r) {
        readTimes.push_back(Seconds([&] { sink += sim.Files().ReadAllBytes(path).size(); }));
        loadTimes.push_back(Seconds([&] {
            pv::TvdlgLanguageController lc(sim);
            lc.SetTranslationFolder(kFolder);
            lc.SetCulture("de-de");
            sink += static_cast<size_t>(lc.OpenLanguageFile("de-de|" + kFile, pv::TvdlgLanguageFileMode::Read));
        }));
    }

    pv::TvdlgLanguageController lc(sim);
    lc.SetTranslationFolder(kFolder);
    lc.SetCulture("de-de");
    lc.SetOptions({.UseBuiltInTexts = true, .StoreNonEmptyOnly = true});

    // The same keys, spread over every section, for the controller and for the baseline.
    std::unordered_map<std::string, std::string> plain;
    std::vector<Pick> picks;
    uint32_t x = 2463534242u;
    for (int n = 0; n < 2 * kLookups; ++n) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        const int i = static_cast<int>(x % kSectionsPerKind), j = static_cast<int>((x / kSectionsPerKind) % kKeysPerSection);
        const bool gui = n % 2 == 1;
        Pick p{gui ? "____Controls" + AreaName(i) : AreaName(i), gui ? ComponentKey(j) : MessageName(j), {}, gui};
        p.MapKey = p.Section + "|" + p.Key;
        plain.emplace(p.MapKey, TextFor(i, j));
        picks.push_back(std::move(p));
    }
    std::vector<double> lookupTimes, plainTimes;
    for (int r = 0; r < kRepeats; ++r) {
        lookupTimes.push_back(Seconds([&] {
            for (const Pick& p : picks)
                sink += p.Gui ? lc.GetGuiText(kFile, p.Section, p.Key, "").size()
                              : lc.GetText(kFile, p.Section, p.Key, "", false).size();
        }));
        plainTimes.push_back(Seconds([&] {
            for (const Pick& p : picks) {
                auto it = plain.find(p.MapKey);
                std::string value = it == plain.end() ? std::string() : it->second;
                sink += value.size();
            }
        }));
    }

    const double read = Median(readTimes), load = Median(loadTimes);
    const double lookup = Median(lookupTimes), base = Median(plainTimes);
    std::fprintf(stderr, "file %zu bytes; read %.3f ms, read and parse %.3f ms\n", bytes.size(), read * 1e3, load * 1e3);
    std::fprintf(stderr, "%d lookups: controller %.3f ms, unordered_map %.3f ms (checksum %zu)\n", 2 * kLookups,
                 lookup * 1e3, base * 1e3, sink);
    std::printf("parse ratio %.2f\n", load / read);
    std::printf("lookup ratio %.2f\n", lookup / base);
    return 0;
}
