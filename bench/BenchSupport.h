#pragma once
// What the benchmarks that run the real application share: a scratch folder
// laid out as the application expects, and a dialog service that answers at
// once without showing anything.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <mutex>
#include <string>
#include <thread>

#include "framework/dialogs/UiService.h"

namespace bench {

// This run's own folder, with the data folder the application looks in.
inline const std::filesystem::path& benchFolder() {
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / ("larderwise-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(f / "data" / "Larderwise");
        return f;
    }();
    return folder;
}

inline std::filesystem::path liveFile() { return benchFolder() / "data" / "Larderwise" / "recipeDB.rsd"; }

// The peak resident memory of this process so far, in MB, and its reset, so
// one path's peak can be told from an earlier one's (Linux: VmHWM, and
// clear_refs 5 resets it).
inline double peakResidentMB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return static_cast<double>(std::stoll(line.substr(6))) / 1024.0;
    return 0;
}
inline void resetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The resident memory of this process in MB, told apart as Linux tells it
// (/proc/self/status): anonymous (the program's own heap and stacks) and
// file-backed (pages of files it maps: the libraries, and the database file
// the search's connections read through a map, which go with the map).
struct Resident {
    double anonymous = 0, file = 0, total = 0;
};
inline Resident residentNow() {
    Resident now;
    std::ifstream status("/proc/self/status");
    auto mb = [](const std::string& line) { return static_cast<double>(std::stoll(line.substr(8))) / 1024.0; };
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("RssAnon:", 0) == 0) now.anonymous = mb(line);
        else if (line.rfind("RssFile:", 0) == 0) now.file = mb(line);
        else if (line.rfind("VmRSS:", 0) == 0) now.total = mb(line);
    }
    return now;
}

// The peaks of each kind while it lives, sampled every millisecond on a
// thread of its own (the kernel keeps a peak of the total only: VmHWM).
class ResidentPeaks {
public:
    ResidentPeaks()
        : sampler_([this] {
              while (!done_) {
                  const Resident now = residentNow();
                  {
                      std::lock_guard lock(mutex_);
                      peak_.anonymous = std::max(peak_.anonymous, now.anonymous);
                      peak_.file = std::max(peak_.file, now.file);
                      peak_.total = std::max(peak_.total, now.total);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(1));
              }
          }) {}
    ~ResidentPeaks() { stop(); }
    Resident stop() {
        done_ = true;
        if (sampler_.joinable()) sampler_.join();
        std::lock_guard lock(mutex_);
        return peak_;
    }

private:
    std::atomic<bool> done_{false};
    std::mutex mutex_;
    Resident peak_;
    std::thread sampler_;
};

// Message boxes are answered with OK, the three-button question with
// `dialogChoice`, save dialogs with `saveAnswer`; everything else declines.
class AnsweringUi : public UiService {
public:
    MessageDialogChoice dialogChoice = MessageDialogChoice::Cancel;
    std::optional<std::string> saveAnswer;
    std::string lastMessage;

    int32_t MsgBox(const MsgBoxRequest& request) override {
        lastMessage = request.text;
        return 1;
    }
    MessageDialogChoice showMessageDialog(const MessageDialogRequest&) override { return dialogChoice; }
    std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return saveAnswer; }
    bool selectColor(uint32_t&, const std::string&) override { return false; }
    bool pageSetup(PrintSettings&) override { return false; }
    bool printerDialog(PrintSettings&) override { return false; }
    MenuItem* popUpMenu(MenuItem&, int32_t, int32_t) override { return nullptr; }
    DragResult startDrag(const DragRequest&) override { return DragResult::None; }
    bool speak(const std::string&, bool) override { return true; }
    bool openURL(const std::string&) override { return false; }
};

}  // namespace bench
