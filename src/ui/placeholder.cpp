// Windows and pages live in this library.
