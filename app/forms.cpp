#include "app/forms.h"

#include "ui/form.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace app {

namespace {

void centre(QWidget& window)
{
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - QPoint(window.width() / 2, window.height() / 2));
}

} // namespace

void Forms::setFactory(FormId id, Factory factory)
{
    slot(id).factory = std::move(factory);
}

void Forms::setEndAction(std::function<void()> action)
{
    endAction_ = std::move(action);
}

ui::Form& Forms::use(FormId id)
{
    Slot& s = slot(id);
    if (!s.form) {
        s.form = s.factory().release();
        s.shownBefore = false;
        QObject::connect(s.form, &ui::Form::closed, s.form, [this, id] { discard(id); });
        s.form->load();
    }
    return *s.form;
}

void Forms::show(FormId id)
{
    if (ended_)
        return;
    ui::Form& form = use(id);
    if (!std::exchange(slot(id).shownBefore, true)) {
        form.adjustSize();
        centre(form);
    }
    form.show();
    form.raise();
    form.activateWindow();
}

void Forms::hide(FormId id)
{
    if (!ended_)
        use(id).hide();
}

void Forms::discard(FormId id)
{
    ui::Form* form = std::exchange(slot(id).form, nullptr);
    if (!form)
        return;
    form->hide();
    form->deleteLater();
    // Closing the only visible window ends the program: a hidden screen nobody can reach keeps
    // nothing worth a process left running.
    for (const auto& [otherId, other] : slots_) {
        if (other.form && other.form->isVisible())
            return;
    }
    end();
}

void Forms::end()
{
    if (std::exchange(ended_, true))
        return;
    for (auto& [id, s] : slots_) {
        ui::Form* form = std::exchange(s.form, nullptr);
        if (!form)
            continue;
        form->blockSignals(true);
        for (QObject* child : form->findChildren<QObject*>())
            child->blockSignals(true);
        form->hide();
        form->deleteLater();
    }
    if (endAction_)
        endAction_();
    else
        QCoreApplication::quit();
}

ui::Form* Forms::instance(FormId id) const
{
    const auto found = slots_.find(id);
    return found == slots_.end() ? nullptr : found->second.form;
}

void Forms::reset()
{
    for (auto& [id, s] : slots_)
        delete std::exchange(s.form, nullptr);
    ended_ = false;
}

Forms& forms()
{
    static Forms instance;
    return instance;
}

void show(FormId id)
{
    forms().show(id);
}

void hide(FormId id)
{
    forms().hide(id);
}

void end()
{
    forms().end();
}

} // namespace app
