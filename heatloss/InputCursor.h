#pragma once
// The room, wall and opening the input dialogs are working on.

struct InputCursor
{
    int room = 0;
    int wall = 0;
    int opening = 0;
};
