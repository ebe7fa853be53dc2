#pragma once

namespace vorlix::app {

// The entry 复制后校验 of the folder list's menu: while it is checked, every
// copied or moved file is read back and compared with its source before it
// counts as delivered, and a move to another volume removes its source only
// then. Off, a copy counts when it arrives whole in size.
void ShowCopyCheck(bool on);
bool CopyCheckOn();

}  // namespace vorlix::app
