#pragma once

#include "ui/font.h"
#include "ui/geometry.h"
#include "ui/picture.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QMenuBar;

namespace ui {

class ClientArea;
class FaultNotice;
class TileDrag;

struct FormProps {
    QString caption{};
    Twips width = 0; // of the client area, below any menu bar
    Twips height = 0;
    bool minimizeBox = true;
    const Picture* icon = nullptr;
    QString picture{};       // background artwork (SVG resource), drawn at the top-left corner, zoomed alike
    QStringList drawAhead{}; // the artwork of screens this one leads to, drawn once it is first shown
    std::vector<Font> loadAhead{}; // the fonts of screens this one leads to, loaded once it is first shown
    bool sortAhead = false; // a screen this one leads to sorts a list: the order is loaded with the fonts
};

// A fixed-size, right-to-left window. Its controls live in the client area and are declared by
// the screen that derives from it; its life (Load, Show, Hide, the close box) is driven from app/.
class Form : public QWidget {
    Q_OBJECT

public:
    // Turns the voice off and on, on every screen.
    static constexpr Qt::Key muteKey = Qt::Key_F2;

    explicit Form(const FormProps& props);
    ~Form() override;

    QWidget* client() const;
    QMenuBar* menuBar();
    TileDrag& tileDrag();

    // Runs the Load handler; the instance slots call it once, right after creation.
    void load();

    // Controls join the keyboard order by TabIndex; the order is fixed when the form is first shown.
    void addToTabOrder(QWidget* control, int tabIndex);

    // The runtime's arithmetic error: a short message over the form, gone after a click or a while.
    void raiseArithmeticError(const QString& message);

    // A form shown again gives the focus back to the control that had it when it was hidden.
    void setVisible(bool visible) override;

signals:
    void Load();
    void MouseMove();
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void settleTabOrder();

    ClientArea* client_;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<TileDrag> tileDrag_;
    FaultNotice* notice_ = nullptr;
    const Picture* icon_;
    QStringList drawAhead_;
    std::vector<Font> loadAhead_;
    bool sortAhead_;
    std::vector<std::pair<int, QWidget*>> tabOrder_;
    QPointer<QWidget> focusWhenHidden_;
    bool shownBefore_ = false;
};

} // namespace ui
