#include "screens/screens.h"

#include "screens/arabic_words/form2.h"
#include "screens/calculator/form1.h"
#include "screens/contact/form5.h"
#include "screens/english_words/form3.h"
#include "screens/main_menu/form4.h"
#include "screens/picture_words/form6.h"

#include <algorithm>

namespace screens {

namespace {

template <class Form> app::Forms::Factory make()
{
    return [] { return std::make_unique<Form>(); };
}

using app::FormId;
using ui::Face;

} // namespace

const std::vector<Screen>& table()
{
    static const std::vector<Screen> screens{
        {FormId::Form1,
         "Form1",
         make<Form1>(),
         7275,
         3765,
         {{Face::Tahoma, 14.25}, {Face::Tahoma, 15.75}, {Face::Tahoma, 18}, {Face::Tahoma, 20.25}}},
        {FormId::Form2,
         "Form2",
         make<Form2>(),
         8715,
         6825,
         {{Face::ArabicTransparent, 12},
          {Face::ArabicTransparent, 14.25},
          {Face::ArabicTransparent, 20.25},
          {Face::Tahoma, 15.75}}},
        {FormId::Form3,
         "Form3",
         make<Form3>(),
         8700,
         5970,
         {{Face::ArabicTransparent, 14.25},
          {Face::Tahoma, 15.75},
          {Face::Verdana, 14.25},
          {Face::Verdana, 15.75},
          {Face::Arial, 12}}},
        {FormId::Form4, "Form4", make<Form4>(), 7800, 5655, {{Face::Tahoma, 20.25}}},
        {FormId::Form5, "Form5", make<Form5>(), 8070, 6345, {{Face::ArabicTransparent, 21.75}}},
        {FormId::Form6,
         "Form6",
         make<Form6>(),
         8940,
         6900,
         {{Face::ArabicTransparent, 14.25}, {Face::Tahoma, 15.75}}},
    };
    return screens;
}

const Screen& screen(app::FormId id)
{
    return *std::ranges::find(table(), id, &Screen::id);
}

ui::FormProps sized(app::FormId id, ui::FormProps props)
{
    props.width = screen(id).width;
    props.height = screen(id).height;
    return props;
}

QSize largestClient()
{
    QSize largest;
    for (const Screen& row : table())
        largest = largest.expandedTo({ui::pixels(row.width, 1.0), ui::pixels(row.height, 1.0)});
    return largest;
}

std::vector<ui::Font> everyFont()
{
    std::vector<ui::Font> fonts;
    for (const Screen& row : table()) {
        for (const ui::Font& font : row.fonts) {
            if (std::ranges::find(fonts, font) == fonts.end())
                fonts.push_back(font);
        }
    }
    return fonts;
}

void registerAll(app::Forms& forms)
{
    for (const Screen& row : table())
        forms.setFactory(row.id, row.make);
}

} // namespace screens
