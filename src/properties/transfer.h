#pragma once

#include "properties/page_fields.h"

class CParticleDoc;

// Copies the document's parameters into the pages' fields before the
// Properties sheet opens.
void TransferToPages(const CParticleDoc& doc, EmitterPageFields& emitter, GraphicPageFields& graphic,
                     ShaderPageFields& shader);

// Copies the pages' fields into the document, draws new particles, updates
// the views and marks the document modified; every call does all of it,
// also when nothing changed.
void ApplyPageValues(CParticleDoc& doc, const EmitterPageFields& emitter,
                     const GraphicPageFields& graphic, const ShaderPageFields& shader);
