#pragma once
// The start-up window: it prepares the settings store on the first run and opens
// the start dialog; it stays beneath every other window for the whole run.

#include "app/context.h"
#include "platform/form.h"

class TarselPC : public platform::Form {
public:
    explicit TarselPC(Context& ctx);

    platform::PictureBox& Picture1;
    platform::Label& Label1;
    platform::Label& Label2;

    void Form_Load() override;

private:
    Context& ctx_;
};
