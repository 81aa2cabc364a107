#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"
#include "engine/chord_types.h"
#include "tests/support/fake_ports.h"

// A document on fake ports, started up with the given settings.
struct DocFixture : ::testing::Test {
    FakeUi ui;
    FakeMidi midi;
    FakeScreen screen;
    PersistentSettings frame;
    std::unique_ptr<CKvwinDoc> doc;

    void TearDown() override
    {
        doc.reset();
        engine::ResetMusicTables();
        g_bUserDirModified = false;
    }

    CKvwinDoc& makeDoc()
    {
        doc = std::make_unique<CKvwinDoc>(CKvwinDoc::Ports{&ui, &midi, &screen});
        return *doc;
    }

    CKvwinDoc& startDoc()
    {
        makeDoc();
        doc->OnNewDocument();
        doc->InitDocument(frame);
        return *doc;
    }
};
