#pragma once

#include "app/forms.h"

#include <array>
#include <string_view>

// The six screens by the names the benchmarks print.
struct ScreenEntry {
    std::string_view name;
    app::FormId id;
};

inline constexpr std::array<ScreenEntry, 6> everyScreen{{{"Form1", app::FormId::Form1},
                                                         {"Form2", app::FormId::Form2},
                                                         {"Form3", app::FormId::Form3},
                                                         {"Form4", app::FormId::Form4},
                                                         {"Form5", app::FormId::Form5},
                                                         {"Form6", app::FormId::Form6}}};
