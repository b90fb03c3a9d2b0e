#pragma once
// A record that reaches up to the document and into Qt: both must be caught.
#include <QString>
#include "core/doc/pxdoc.h"
