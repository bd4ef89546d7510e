#pragma once
// An object (QObject or a widget) that records the skin commands it receives with their LParam,
// can answer them and can run a reaction while it handles one.
#include <QObject>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "skin/data/SkinCommand.h"

namespace tornivex::testing {

template <typename Base = QObject> class CommandRecorder : public Base {
public:
    using Base::Base;
    bool event(QEvent* e) override {
        if (!IsSkinCommand(e)) return Base::event(e);
        auto* command = static_cast<TSkinCommandEvent*>(e);
        received.emplace_back(command->Command(), command->LParam());
        if (answer) command->SetResult(answer(command->Command()));
        if (onCommand) onCommand(command->Command());
        return true;
    }
    std::vector<int> Commands() const {
        std::vector<int> out;
        for (const auto& r : received) out.push_back(r.first);
        return out;
    }
    std::vector<std::pair<int, std::intptr_t>> received;
    std::function<std::intptr_t(int)> answer;
    std::function<void(int)> onCommand;
};

} // namespace tornivex::testing
