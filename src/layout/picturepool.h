#pragma once

class QThreadPool;

namespace delvora {

// The worker threads that make plate pictures (rendering, encoding, measuring texts): one per
// core. Workers take read-only copies of their inputs; nothing they touch belongs to a widget.
QThreadPool &PicturePool();

} // namespace delvora
