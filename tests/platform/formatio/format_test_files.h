// Scratch files for the format tests.
#pragma once

#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <string>

class ScratchDir {
public:
    std::string Path(const std::string &name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }
    static std::string Read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string &path, const std::string &bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

private:
    QTemporaryDir dir_;
};
