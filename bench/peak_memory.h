#pragma once

// The process's peak memory while it lives: the kernel's resident high-water
// mark, and the peaks of its anonymous and file-backed parts (fontconfig's
// caches and the font files are mapped clean from disk), sampled from
// /proc/self/status by a thread.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

class PeakMemory {
public:
    PeakMemory()
        : sampler_([this] {
            while (!stop_.load()) {
                sample();
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
            }
        })
    {
    }
    ~PeakMemory() { stopSampling(); }
    PeakMemory(const PeakMemory&) = delete;
    PeakMemory& operator=(const PeakMemory&) = delete;

    // Peak resident, anonymous and file-backed memory in MB.
    std::string report()
    {
        stopSampling();
        sample();
        char text[160];
        std::snprintf(text, sizeof text,
                      "peak RSS %.0f MB (VmHWM); sampled peaks: anonymous %.0f MB, file-backed %.0f MB",
                      double(hwmKb_) / 1024, double(anonKb_) / 1024, double(fileKb_) / 1024);
        return text;
    }
    double peakMb() { return sample(), double(hwmKb_.load()) / 1024; }
    double anonMb() { return sample(), double(anonKb_.load()) / 1024; }
    double fileMb() { return sample(), double(fileKb_.load()) / 1024; }

private:
    void stopSampling()
    {
        stop_.store(true);
        if (sampler_.joinable())
            sampler_.join();
    }

    void sample()
    {
        FILE* status = std::fopen("/proc/self/status", "r");
        if (!status)
            return;
        char line[256];
        long kb = 0;
        while (std::fgets(line, sizeof line, status)) {
            if (std::sscanf(line, "VmHWM: %ld", &kb) == 1)
                raise(hwmKb_, kb);
            else if (std::sscanf(line, "RssAnon: %ld", &kb) == 1)
                raise(anonKb_, kb);
            else if (std::sscanf(line, "RssFile: %ld", &kb) == 1)
                raise(fileKb_, kb);
        }
        std::fclose(status);
    }

    static void raise(std::atomic<long>& peak, long value)
    {
        long seen = peak.load();
        while (value > seen && !peak.compare_exchange_weak(seen, value)) {
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<long> hwmKb_{0};
    std::atomic<long> anonKb_{0};
    std::atomic<long> fileKb_{0};
    std::thread sampler_;
};
