#include "screens/screens.h"

#include "app/forms.h"
#include "screens/arabic_words/form2.h"
#include "screens/calculator/form1.h"
#include "screens/contact/form5.h"
#include "screens/english_words/form3.h"
#include "screens/main_menu/form4.h"

namespace screens {

namespace {

template <class Screen> app::Forms::Factory factory()
{
    return [] { return std::make_unique<Screen>(); };
}

// An activity not built yet opens as an empty window of its caption and size.
app::Forms::Factory placeholder(const char* caption, ui::Twips width, ui::Twips height)
{
    return [=] {
        return std::make_unique<ui::Form>(
            ui::FormProps{.caption = caption, .width = width, .height = height, .minimizeBox = false});
    };
}

} // namespace

void registerAll(app::Forms& forms)
{
    using app::FormId;
    forms.setFactory(FormId::Form1, factory<Form1>());
    forms.setFactory(FormId::Form2, factory<Form2>());
    forms.setFactory(FormId::Form3, factory<Form3>());
    forms.setFactory(FormId::Form4, factory<Form4>());
    forms.setFactory(FormId::Form5, factory<Form5>());
    forms.setFactory(FormId::Form6, placeholder("صورة وكلمة... سلسلة برامج Marzun", 8940, 6900));
}

} // namespace screens
