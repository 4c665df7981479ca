#pragma once

#include <QByteArray>

// The service's result codes and their readable texts.
class SoundErrors {
public:
    enum Code : quint32 {
        None = 0,
        UnrecognizedKeyword = 259,
        UnrecognizedCommand = 261,
        InvalidDeviceName = 263,
        CannotLoadDriver = 266,
        MissingCommandString = 267,
        ParameterOverflow = 268,
        MissingStringArgument = 269,
        BadInteger = 270,
        MissingParameter = 273,
        UnsupportedFunction = 274,
        FileNotFound = 275,
        DeviceNotReady = 276,
        OutOfRange = 282,
        FileNotSaved = 286,
        DuplicateAlias = 289,
        BadConstant = 290,
        MissingDeviceName = 292,
        BadTimeFormat = 293,
        NoClosingQuote = 294,
        NewRequiresAlias = 299,
        FileNameRequired = 304,
        NoInputDevice = 328,
    };

    // Empty for a code the service never gives.
    static QByteArray text(quint32 code);
};
