#pragma once

#include "SyntheticInput.h"

class X11Connection;

// Ctrl+V through the XTest extension.
class X11SyntheticInput : public SyntheticInput {
public:
    explicit X11SyntheticInput(X11Connection& connection);

    bool isAvailable() override;
    void postPaste() override;

private:
    X11Connection& m_x;
};
