// The game reads its data from the current directory. On Linux the launcher changes into the
// data folder; the Windows archive holds the data beside the program instead.
#pragma once

namespace vorantis {

// Where the current directory holds no configuration but the program's own folder does,
// makes the program's folder current (Windows only; elsewhere nothing happens).
void EnterProgramFolderWithoutData();

}  // namespace vorantis
