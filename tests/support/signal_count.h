#pragma once
#include <type_traits>
#include <vector>

#include <QObject>

// Counts a signal's emissions and keeps its int arguments, if it has one.
struct SignalCount {
    int count = 0;
    std::vector<int> values;

    template <class Sender, class Signal>
    SignalCount(Sender* sender, Signal signal)
    {
        QObject::connect(sender, signal, &m_context, [this](auto... args) {
            ++count;
            if constexpr (sizeof...(args) == 1 && (std::is_integral_v<std::decay_t<decltype(args)>> && ...))
                (values.push_back(static_cast<int>(args)), ...);
        });
    }

private:
    QObject m_context;
};
