#ifndef VELTRIXGLOBAL_H
#define VELTRIXGLOBAL_H

#include <QtCore/qglobal.h>

// Only classes marked VELTRIX_EXPORT are visible outside libVeltrix; the
// library is built with hidden visibility, so everything else stays private.
#if defined(VELTRIX_BUILDING_LIBRARY)
#  define VELTRIX_EXPORT Q_DECL_EXPORT
#else
#  define VELTRIX_EXPORT Q_DECL_IMPORT
#endif

#define VELTRIX_VERSION_STR "1.0.0"

#endif // VELTRIXGLOBAL_H
