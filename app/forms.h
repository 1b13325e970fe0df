#pragma once

#include <functional>
#include <map>
#include <memory>

namespace ui {
class Form;
}

namespace app {

enum class FormId { Form1, Form2, Form3, Form4, Form5, Form6 };

// One instance slot per form. A form is created on its first use, with its Load run inside the
// call that created it; the close box discards it, so its next use builds it afresh.
class Forms {
public:
    using Factory = std::function<std::unique_ptr<ui::Form>()>;

    void setFactory(FormId id, Factory factory);
    void setEndAction(std::function<void()> action);

    void show(FormId id);
    void hide(FormId id);
    // Ends the program at once: every window goes, and no handler of any form runs any more.
    void end();

    ui::Form* instance(FormId id) const; // null while the slot is empty
    bool ended() const { return ended_; }
    // Empties every slot, for a fresh start of the program.
    void reset();

private:
    struct Slot {
        Factory factory;
        ui::Form* form = nullptr;
        bool shownBefore = false;
    };

    ui::Form& use(FormId id);
    void discard(FormId id);
    Slot& slot(FormId id) { return slots_[id]; }

    std::map<FormId, Slot> slots_; // one a registered screen
    std::function<void()> endAction_;
    bool ended_ = false;
};

Forms& forms();

void show(FormId id);
void hide(FormId id);
void end();

} // namespace app
