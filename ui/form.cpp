#include "ui/form.h"

#include "ui/artwork.h"
#include "ui/clientarea.h"
#include "ui/collation.h"
#include "ui/faultnotice.h"
#include "ui/tiledrag.h"
#include "ui/voice.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

Qt::WindowFlags frameFlags(bool minimizeBox)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace

Form::Form(const FormProps& props)
    : QWidget(nullptr, frameFlags(props.minimizeBox))
    , client_(new ClientArea(this, props.picture))
    , tileDrag_(std::make_unique<TileDrag>(client_))
    , icon_(props.icon)
    , drawAhead_(props.drawAhead)
    , loadAhead_(props.loadAhead)
    , sortAhead_(props.sortAhead)
{
    setWindowTitle(props.caption);
    setLayoutDirection(Qt::RightToLeft);
    client_->setFixedSize(pixels(props.width), pixels(props.height));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);
    connect(client_, &ClientArea::MouseMove, this, &Form::MouseMove);
    connect(new QShortcut(muteKey, this), &QShortcut::activated, [] { voice().setMuted(!voice().muted()); });
}

Form::~Form() = default;

QWidget* Form::client() const
{
    return client_;
}

QMenuBar* Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        layout()->setMenuBar(menuBar_);
    }
    return menuBar_;
}

TileDrag& Form::tileDrag()
{
    return *tileDrag_;
}

void Form::load()
{
    emit Load();
}

void Form::addToTabOrder(QWidget* control, int tabIndex)
{
    tabOrder_.emplace_back(tabIndex, control);
}

void Form::raiseArithmeticError(const QString& message)
{
    if (!notice_)
        notice_ = new FaultNotice(client_);
    notice_->present(message);
}

void Form::setVisible(bool visible)
{
    if (!visible && isVisible())
        focusWhenHidden_ = focusWidget();
    QWidget::setVisible(visible);
    // A hidden window gives back its pixels, and is made again when it is shown.
    if (!visible && testAttribute(Qt::WA_WState_Created))
        destroy();
    if (visible && focusWhenHidden_)
        focusWhenHidden_->setFocus(Qt::ActiveWindowFocusReason);
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (std::exchange(shownBefore_, true))
        return;
    settleTabOrder();
    tileDrag_->watchTiles();
    // Drawn and loaded once the window is up, so that the window does not wait for them.
    QTimer::singleShot(0, this, [this] {
        prepareArtwork(drawAhead_, devicePixelRatioF());
        prepareFonts(loadAhead_);
        if (sortAhead_)
            prepareCollation();
        if (icon_)
            setWindowIcon(toIcon(*icon_));
    });
}

void Form::settleTabOrder()
{
    std::stable_sort(tabOrder_.begin(), tabOrder_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1].second, tabOrder_[i].second);
    const auto first = std::find_if(tabOrder_.begin(), tabOrder_.end(),
                                    [this](const auto& entry) { return entry.second->isVisibleTo(this); });
    if (first != tabOrder_.end())
        first->second->setFocus(Qt::OtherFocusReason);
}

void Form::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace ui
