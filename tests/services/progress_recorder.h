// A progress display that remembers every update it is given.
#pragma once

#include <string>
#include <vector>

#include "services/download.h"

struct ProgressUpdate {
    int fillTwips;
    std::wstring text;
};

class ProgressRecorder : public services::ProgressDisplay {
public:
    void ShowProgress(int fillWidthTwips, const std::wstring& percentText) override {
        updates.push_back({fillWidthTwips, percentText});
    }
    std::vector<std::wstring> Texts() const {
        std::vector<std::wstring> texts;
        for (const auto& u : updates) texts.push_back(u.text);
        return texts;
    }
    std::vector<ProgressUpdate> updates;
};
