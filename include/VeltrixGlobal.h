#ifndef VELTRIXGLOBAL_H
#define VELTRIXGLOBAL_H

#include <QtCore/qglobal.h>

//! \file VeltrixGlobal.h
//! The export macro and the version of the library; every public header
//! includes it, so a host never needs to include it itself.

//! Marks a class as part of the library's interface.
//!
//! libVeltrix is built with hidden visibility: only classes marked with this
//! macro are visible outside it. While the library itself is built it expands
//! to Q_DECL_EXPORT (`VELTRIX_BUILDING_LIBRARY` is defined), in a host to
//! Q_DECL_IMPORT.
#if defined(VELTRIX_BUILDING_LIBRARY)
#  define VELTRIX_EXPORT Q_DECL_EXPORT
#else
#  define VELTRIX_EXPORT Q_DECL_IMPORT
#endif

//! The version of the headers as a string, for instance "1.0.0".
#define VELTRIX_VERSION_STR "1.0.0"

#endif // VELTRIXGLOBAL_H
