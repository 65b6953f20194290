#pragma once
#include "platform/AppError.h"

// The error number of a failed call, or 0 when it did not fail.
template <typename Call>
int ErrorOf(Call&& call)
{
    try {
        call();
    } catch (const AppError& error) {
        return error.number();
    }
    return 0;
}
