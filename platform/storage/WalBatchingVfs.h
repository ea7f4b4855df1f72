#pragma once

namespace kelvane {

// The name of an SQLite VFS, registered on the first call, that writes each transaction's
// frames to the write-ahead log in two calls instead of two per page. It holds the frames in
// memory and writes them out with the commit frame's header, then that frame's page, before
// SQLite tells other connections of the commit: a commit is in the file when it returns, as a
// kill may come next, and a write that fails fails the commit. Anything that reads, sizes,
// syncs or truncates the log writes out what is held first. All else goes straight to the
// platform's own VFS.
const char* WalBatchingVfsName();

}  // namespace kelvane
