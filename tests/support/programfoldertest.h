// A fixture whose program folder is a fresh temporary folder, with helpers to lay files in
// it and read them back; every screen is unloaded after each test.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString &fileName) const;
    void writeFile(const QString &fileName, const QByteArray &bytes) const;
    QByteArray readFile(const QString &fileName) const;
    bool exists(const QString &fileName) const;

    QTemporaryDir m_folder;
};
