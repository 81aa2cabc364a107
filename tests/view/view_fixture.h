#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <initializer_list>
#include <memory>

#include "document/kvwin_doc.h"
#include "platform/qt_surface.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/pad_chords.h"
#include "tests/support/recording_surface.h"
#include "view/kvwin_view.h"

// Fixed screen resolution for the view's metrics.
struct FixedScreen : ScreenInfo {
    ScreenResolution resolution;
    std::optional<ScreenResolution> PrimaryResolution() const override { return resolution; }
    Rect PrimaryGeometry() const override { return {0, 0, 1920, 1080}; }
    Size PhysicalSizeMm() const override { return {510, 290}; }
};

// A started document and a view on it. Size index 0..3 is 3..6 a row.
struct ViewFixture : DocFixture {
    FixedScreen fixedScreen;
    std::unique_ptr<CKvwinView> view;

    void TearDown() override
    {
        view.reset();
        DocFixture::TearDown();
    }

    CKvwinView& startView(int sizeIndex = 2)
    {
        frame.m_wExp = static_cast<std::uint16_t>(1 | (3 - sizeIndex) << 1);
        startDoc();
        view = std::make_unique<CKvwinView>(*doc, &fixedScreen, nullptr);
        view->resize(800, 600);
        return *view;
    }

    // C major, 12 voicings with Reduced Span on, 20 with it off.
    void searchCMajor(bool reducedSpan = true)
    {
        frame.m_wExp = static_cast<std::uint16_t>((frame.m_wExp & ~1) | (reducedSpan ? 0 : 1));
        doc->m_wChordMask = 0x488;
        doc->FindVoicings(0x488);
    }

    // Attribute bits of a Scratch Pad row: a finger on string index k, an X on it.
    static std::uint32_t finger(int k, std::uint32_t f) { return f << (6 + 3 * k); }
    static std::uint32_t xMark(int k) { return 1u << k; }

    // Appends a Scratch Pad chord, frets of strings 1..6.
    void addPadChord(std::initializer_list<int> frets, int baseFret, std::uint32_t attributes = 0,
                     const std::string& name = "", const std::string& name2 = "")
    {
        ScratchPadChordRow row;
        int k = 0;
        for (const int f : frets)
            row.w[pad::FirstFret + k++] = static_cast<std::uint16_t>(f);
        row.w[pad::BaseFret] = static_cast<std::uint16_t>(baseFret);
        row.w[pad::NameShown] = name.empty() && name2.empty() ? 0 : 1;
        row.SetAttributes(attributes);
        testsupport::AppendPadChord(*doc, row, name, name2);
    }

    // What the view draws on the screen at scroll 0, recorded.
    std::unique_ptr<platform::RecordingSurface> recordScreen()
    {
        auto surface = std::make_unique<platform::RecordingSurface>(platform::Mapping::screen());
        view->OnDraw(*surface);
        return surface;
    }

    QImage paintScreen(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        platform::QtSurface surface(painter, platform::Mapping::screen());
        view->OnDraw(surface);
        painter.end();
        return image;
    }
};
