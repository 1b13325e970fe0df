#include "screens/screens.h"

#include "app/forms.h"
#include "screens/arabic_words/form2.h"
#include "screens/calculator/form1.h"
#include "screens/contact/form5.h"
#include "screens/english_words/form3.h"
#include "screens/main_menu/form4.h"
#include "screens/picture_words/form6.h"

namespace screens {

namespace {

template <class Screen> app::Forms::Factory factory()
{
    return [] { return std::make_unique<Screen>(); };
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
    forms.setFactory(FormId::Form6, factory<Form6>());
}

} // namespace screens
