#pragma once
// Marks the names that libportkit exports. Everything else in the library is
// built with hidden visibility.

#define PORTKIT_API __attribute__((visibility("default")))
