// A progress sink that remembers every report it is given.
#pragma once

#include <cstdint>
#include <vector>

#include "services/download.h"

struct ProgressUpdate {
    std::int64_t bytes;
    int percent;
};

class ProgressRecorder : public services::ProgressSink {
public:
    void OnProgress(std::int64_t receivedBytes, int percent) override { updates.push_back({receivedBytes, percent}); }
    std::vector<int> Percents() const {
        std::vector<int> percents;
        for (const auto& u : updates) percents.push_back(u.percent);
        return percents;
    }
    std::vector<std::int64_t> Bytes() const {
        std::vector<std::int64_t> bytes;
        for (const auto& u : updates) bytes.push_back(u.bytes);
        return bytes;
    }
    std::vector<ProgressUpdate> updates;
};
