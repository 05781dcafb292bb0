#pragma once
// Gives the floor design dialog the dialogs of this library it opens: the floor calculation
// settings, the circuit panel and the manifold indices. Done when the library loads; tests that
// emptied the design's tools call it again.
void RegisterFloorDesignTools();
