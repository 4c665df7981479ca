#include "SoundErrors.h"

QByteArray SoundErrors::text(quint32 code)
{
    switch (code) {
    case None: return "The specified command was carried out.";
    case UnrecognizedKeyword: return "The command contains a word the device does not know.";
    case UnrecognizedCommand: return "The command is not recognized.";
    case InvalidDeviceName: return "The specified device is not open or is not recognized.";
    case CannotLoadDriver:
        return "There is no such device on this computer, or it cannot be used now.";
    case MissingCommandString: return "No command was given.";
    case ParameterOverflow: return "The result was too long for the buffer given and has been cut.";
    case MissingStringArgument: return "The command needs a text value that is missing.";
    case BadInteger: return "A number in the command is not a whole decimal number.";
    case MissingParameter: return "The command needs a value that is missing.";
    case UnsupportedFunction: return "The device does not offer this command.";
    case FileNotFound: return "The file cannot be found.";
    case DeviceNotReady: return "The device is not ready: there is no disc, or the door is open.";
    case OutOfRange: return "The value is out of range for this device.";
    case FileNotSaved: return "The file was not saved.";
    case DuplicateAlias: return "The alias is already used by an open device.";
    case BadConstant: return "A value in the command is not one the device knows.";
    case MissingDeviceName: return "The command names no device.";
    case BadTimeFormat: return "The device does not take this time format.";
    case NoClosingQuote: return "A quoted text in the command has no closing quote.";
    case NewRequiresAlias: return "A new device needs an alias.";
    case FileNameRequired: return "A file name is needed.";
    default: return {};
    }
}
