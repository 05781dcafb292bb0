#pragma once
// The answer of a command whose work the program does not do yet: one message, nothing changed.
void ShowNotAvailable();
