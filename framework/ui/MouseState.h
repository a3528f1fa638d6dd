#pragma once
// The press being handled, as product code may ask about it inside a
// MouseDown handler.

// True while the MouseDown being dispatched is a contextual click (the
// secondary button, or Meta with the primary one).
bool IsContextualClick();
