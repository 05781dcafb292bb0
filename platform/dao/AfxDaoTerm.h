#pragma once

// Ends the database engine of the process after the last database object is gone.
// Each database writes its file when it closes, so nothing is pending here; a database
// opened afterwards starts the engine again.
void AfxDaoTerm();
