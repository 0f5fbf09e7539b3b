#pragma once

// What a reader who opens a password-protected output of this program may
// do with it, as its encryption dictionary grants (DebenuService decides).
struct OutputPermissions
{
    bool print = false;
    bool copy = false;
    bool change = false;
    bool addNotes = false;
    bool fillForms = false;
    bool copyForAccessibility = false;
    bool assemble = false;
    bool printFullQuality = false;
};
