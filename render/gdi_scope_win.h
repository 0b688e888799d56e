// Scoped GDI acquisitions and selections, so a painter leaves a device context as it found it.
#pragma once
#include <windows.h>

class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Selects an object and puts the one it replaced back at the end of the scope, whatever else was
// selected meanwhile.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class OwnedPen {
public:
    explicit OwnedPen(COLORREF colour) : pen_(CreatePen(PS_SOLID, 1, colour)) {}
    ~OwnedPen() {
        if (pen_ != nullptr) DeleteObject(pen_);
    }
    OwnedPen(const OwnedPen&) = delete;
    OwnedPen& operator=(const OwnedPen&) = delete;
    HPEN Get() const { return pen_; }

private:
    HPEN pen_;
};

class ScopedBackgroundMode {
public:
    ScopedBackgroundMode(HDC dc, int mode) : dc_(dc), previous_(SetBkMode(dc, mode)) {}
    ~ScopedBackgroundMode() {
        if (previous_ != 0) SetBkMode(dc_, previous_);
    }
    ScopedBackgroundMode(const ScopedBackgroundMode&) = delete;
    ScopedBackgroundMode& operator=(const ScopedBackgroundMode&) = delete;

private:
    HDC dc_;
    int previous_;
};
