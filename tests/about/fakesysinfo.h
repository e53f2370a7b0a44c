#pragma once
// A registry and a machine made up by the test: keys and values, files and programs on the
// PATH are whatever the test puts there; every call is recorded.
#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include "about/registry.h"
#include "about/sysinfoenvironment.h"

struct FakeValue {
    std::uint32_t type;
    QByteArray bytes;
};

class FakeRegistry : public Registry {
public:
    // Keys by name (below the local machine root), each holding its values by name.
    QMap<QString, QMap<QString, FakeValue>> keys;
    bool failQuery = false;

    // What the reader asked for.
    QList<std::uint32_t> accessMasks;
    QList<QByteArray> buffersOffered;
    QList<std::uint32_t> sizesOffered;
    int opened = 0;
    int closed = 0;

    long OpenKey(RegKey root, const QString& keyName, std::uint32_t access, RegKey& key) override
    {
        accessMasks << access;
        const auto found = keys.constFind(keyName);
        if (root != reg::LocalMachine || found == keys.constEnd()) return reg::FileNotFound;
        handles_.append(found.key());
        key = RegKey(handles_.size());
        ++opened;
        return reg::Success;
    }

    long QueryValue(RegKey key, const QString& valueName, std::uint32_t& type, QByteArray& data,
                    std::uint32_t& size) override
    {
        buffersOffered << data;
        sizesOffered << size;
        if (failQuery || key == 0 || key > RegKey(handles_.size())) return reg::FileNotFound;
        const QMap<QString, FakeValue>& values = keys[handles_[int(key) - 1]];
        const auto found = values.constFind(valueName);
        if (found == values.constEnd()) return reg::FileNotFound;
        if (std::uint32_t(found->bytes.size()) > size) return reg::MoreData;
        data.replace(0, found->bytes.size(), found->bytes);
        size = std::uint32_t(found->bytes.size());
        type = found->type;
        return reg::Success;
    }

    long CloseKey(RegKey) override
    {
        ++closed;
        return reg::Success;
    }

private:
    QStringList handles_;
};

class FakeMachine : public SysInfoEnvironment {
public:
    FakeRegistry fakeRegistry;
    QSet<QString> files;
    QMap<QString, QString> programsOnPath;  // name -> full path
    bool startFails = false;

    QStringList started;
    QStringList messages;
    QStringList captions;

    Registry& registry() override { return fakeRegistry; }
    bool FileExists(const QString& path) override { return files.contains(path); }
    QString FindProgram(const QString& name) override { return programsOnPath.value(name); }
    bool StartProgram(const QString& path) override
    {
        if (startFails) return false;
        started << path;
        return true;
    }
    void ShowMessage(QWidget*, const QString& text, const QString& caption) override
    {
        messages << text;
        captions << caption;
    }
};
