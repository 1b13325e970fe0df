#pragma once

#include "ui/form.h"

// The main menu, the hub that reaches every activity.
class Form4 : public ui::Form {
    Q_OBJECT

public:
    Form4();
};
