/* Compiled as C: the header must stay plain C, and C must see the layout that
   C++ sees, field for field. */
#include "unzdll/unzdll.h"

const size_t unzdllCLayout[] = {
    sizeof(UnzParams),       offsetof(UnzParams, caller),      offsetof(UnzParams, callback),
    offsetof(UnzParams, members), offsetof(UnzParams, password_tries), offsetof(UnzParams, reports),
    sizeof(UnzMember),     sizeof(UnzCallbackInfo),          offsetof(UnzCallbackInfo, number),
    offsetof(UnzCallbackInfo, text),
};
