#pragma once
// The exceptions product code raises and the application's UnhandledException
// event receives. Every framework call that would dereference nothing, read
// past an end or miss a key throws one of these instead of crashing.
#include <cstdint>
#include <stdexcept>
#include <string>

class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(std::string message = "", int32_t errorNumber = 0)
        : std::runtime_error(message), Message(std::move(message)), ErrorNumber(errorNumber) {}
    virtual std::string className() const { return "RuntimeException"; }

    std::string Message;
    int32_t ErrorNumber;
};

class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(std::string message = "") : RuntimeException(std::move(message)) {}
    std::string className() const override { return "NilObjectException"; }
};

class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(std::string message = "") : RuntimeException(std::move(message)) {}
    std::string className() const override { return "OutOfBoundsException"; }
};

class KeyNotFoundException : public RuntimeException {
public:
    explicit KeyNotFoundException(std::string message = "") : RuntimeException(std::move(message)) {}
    std::string className() const override { return "KeyNotFoundException"; }
};

class UnsupportedFormatException : public RuntimeException {
public:
    explicit UnsupportedFormatException(std::string message = "") : RuntimeException(std::move(message)) {}
    std::string className() const override { return "UnsupportedFormatException"; }
};
