<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>orvane::AnalysisPage</name>
    <message>
        <source>Thresholds</source>
        <translation>Seuils</translation>
    </message>
    <message>
        <source>Event loss:</source>
        <translation>Perte d'événement :</translation>
    </message>
    <message>
        <source>Event reflectance:</source>
        <translation>Réflectance d'événement :</translation>
    </message>
    <message>
        <source>Fiber break:</source>
        <translation>Coupure de fibre :</translation>
    </message>
    <message>
        <source>End-to-end loss includes</source>
        <translation>La perte de bout en bout comprend</translation>
    </message>
    <message>
        <source>Start connector</source>
        <translation>Connecteur de début</translation>
    </message>
    <message>
        <source>End connector</source>
        <translation>Connecteur de fin</translation>
    </message>
    <message>
        <source>ORL relative to</source>
        <translation>ORL par rapport à</translation>
    </message>
    <message>
        <source>A cursor</source>
        <translation>Curseur A</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Reflectance calculations</source>
        <translation>Calculs de réflectance</translation>
    </message>
    <message>
        <source>Automatic (at the A cursor)</source>
        <translation>Automatique (au curseur A)</translation>
    </message>
    <message>
        <source>Manual (from A to B)</source>
        <translation>Manuel (de A à B)</translation>
    </message>
    <message>
        <source>Force end to Nth reflection</source>
        <translation>Forcer la fin à la Nième réflexion</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N :</translation>
    </message>
    <message>
        <source>Reflectance threshold:</source>
        <translation>Seuil de réflectance :</translation>
    </message>
</context>
<context>
    <name>orvane::CMainFrame</name>
    <message>
        <source>&amp;Trace</source>
        <translation>&amp;Trace</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Display On-Screen &amp;Keyboard</source>
        <translation>Afficher le &amp;clavier virtuel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;New Header Template</source>
        <translation>&amp;Nouveau modèle d'en-tête</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Export Trace Text</source>
        <translation>E&amp;xporter le texte de la trace</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>P&amp;références...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Header</source>
        <translation>&amp;En-tête</translation>
    </message>
    <message>
        <source>&amp;Event</source>
        <translation>É&amp;vénement</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Insert...</source>
        <translation>&amp;Insérer...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personnalisé...</translation>
    </message>
</context>
<context>
    <name>orvane::CPreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Heure/Date</translation>
    </message>
    <message>
        <source>Power Meter</source>
        <translation>Wattmètre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>orvane::graph::CursorBar</name>
    <message>
        <source>A:</source>
        <translation>A :</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B :</translation>
    </message>
    <message>
        <source>AB:</source>
        <translation>AB :</translation>
    </message>
    <message>
        <source>ORL</source>
        <translation>ORL</translation>
    </message>
</context>
<context>
    <name>orvane::DisplayPage</name>
    <message>
        <source>Batch</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Keep primary</source>
        <translation>Garder la trace principale</translation>
    </message>
    <message>
        <source>Batch size:</source>
        <translation>Taille du lot :</translation>
    </message>
    <message>
        <source>Sort masks</source>
        <translation>Masques de tri</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom de fichier :</translation>
    </message>
    <message>
        <source>File extension:</source>
        <translation>Extension de fichier :</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Save trace prompt</source>
        <translation>Demander l'enregistrement des traces</translation>
    </message>
    <message>
        <source>End-to-end loss forced</source>
        <translation>Perte de bout en bout forcée</translation>
    </message>
    <message>
        <source>High loss:</source>
        <translation>Perte élevée :</translation>
    </message>
    <message>
        <source>Attenuation coefficient</source>
        <translation>Coefficient d'atténuation</translation>
    </message>
    <message>
        <source>Calculated</source>
        <translation>Calculé</translation>
    </message>
    <message>
        <source>Fixed:</source>
        <translation>Fixe :</translation>
    </message>
    <message>
        <source>Instrument file names</source>
        <translation>Noms de fichiers de l'instrument</translation>
    </message>
    <message>
        <source>Sort by file-name fields</source>
        <translation>Trier par champs du nom de fichier</translation>
    </message>
    <message>
        <source>Fields compared:</source>
        <translation>Champs comparés :</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Disposition :</translation>
    </message>
    <message>
        <source>Sort rank:</source>
        <translation>Rang de tri :</translation>
    </message>
</context>
<context>
    <name>orvane::LanguagePage</name>
    <message>
        <source>Program language:</source>
        <translation>Langue du programme :</translation>
    </message>
    <message>
        <source>Help language:</source>
        <translation>Langue de l'aide :</translation>
    </message>
    <message>
        <source>To change a language : 
    . Select a new language.
    . Click OK.
    . Exit and rerun this program.</source>
        <translation>Pour changer de langue : 
    . Choisissez une nouvelle langue.
    . Cliquez sur OK.
    . Quittez et relancez ce programme.</translation>
    </message>
</context>
<context>
    <name>orvane::MainBars</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Stack</source>
        <translation>Empiler</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Aligner</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>From A</source>
        <translation>Depuis A</translation>
    </message>
    <message>
        <source>From B</source>
        <translation>Depuis B</translation>
    </message>
    <message>
        <source>From Origin</source>
        <translation>Depuis l'origine</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Curseur</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Go to A</source>
        <translation>Aller à A</translation>
    </message>
    <message>
        <source>Go to B</source>
        <translation>Aller à B</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom Event</source>
        <translation>Zoom événement</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Complet</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>TraceList</source>
        <translation>Liste de traces</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>No event selected.</source>
        <translation>Aucun événement sélectionné.</translation>
    </message>
</context>
<context>
    <name>orvane::PowerMeterPage</name>
    <message>
        <source>Reference values on print and export</source>
        <translation>Valeurs de référence à l'impression et à l'export</translation>
    </message>
    <message>
        <source>dB decimal places:</source>
        <translation>Décimales des dB :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OTDR trace viewer %1</source>
        <translation>Visionneuse de traces OTDR %1</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Chinese-Traditional</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Chinese-Simplified</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Spanish-Mexican</source>
        <translation>Espagnol (Mexique)</translation>
    </message>
    <message>
        <source>Portugese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Portugese-Brazilian</source>
        <translation>Portugais (Brésil)</translation>
    </message>
</context>
<context>
    <name>orvane::TimeDatePage</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>12 hour</source>
        <translation>12 heures</translation>
    </message>
    <message>
        <source>24 hour</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Use seconds</source>
        <translation>Afficher les secondes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>orvane::graph::TraceGraphWidget</name>
    <message>
        <source>Set A Cursor</source>
        <translation>Placer le curseur A</translation>
    </message>
    <message>
        <source>Set B Cursor</source>
        <translation>Placer le curseur B</translation>
    </message>
</context>
<context>
    <name>orvane::TraceInfoView</name>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>End/Fault: %1    End - End Loss: %2    ORL: %3</source>
        <translation>Fin/Défaut : %1    Perte de bout en bout : %2    ORL : %3</translation>
    </message>
</context>
<context>
    <name>orvane::TraceListMenu</name>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>A&amp;fficher</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>&amp;Primary</source>
        <translation>&amp;Principale</translation>
    </message>
    <message>
        <source>&amp;Next Batch</source>
        <translation>Lot &amp;suivant</translation>
    </message>
    <message>
        <source>Pre&amp;vious Batch</source>
        <translation>Lot &amp;précédent</translation>
    </message>
    <message>
        <source>Select A&amp;ll</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>A&amp;nalyze</source>
        <translation>A&amp;nalyser</translation>
    </message>
    <message>
        <source>S&amp;mooth</source>
        <translation>&amp;Lisser</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Pr&amp;operties</source>
        <translation>Pr&amp;opriétés</translation>
    </message>
    <message>
        <source>&amp;Batch Process...</source>
        <translation>&amp;Traitement par lot...</translation>
    </message>
    <message>
        <source>Build  Splice &amp;Template</source>
        <translation>Créer un &amp;modèle d'épissures</translation>
    </message>
    <message>
        <source>Appl&amp;y Splice Template...</source>
        <translation>Appli&amp;quer un modèle d'épissures...</translation>
    </message>
    <message>
        <source>Smart Spl&amp;ice Template...</source>
        <translation>Modèle d'épissures &amp;intelligent...</translation>
    </message>
</context>
<context>
    <name>orvane::TraceListModel</name>
    <message>
        <source>This trace file cannot be found.</source>
        <translation>Ce fichier de trace est introuvable.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Répertoire</translation>
    </message>
</context>
<context>
    <name>orvane::UnitsPage</name>
    <message>
        <source>Distance units</source>
        <translation>Unités de distance</translation>
    </message>
</context>
<context>
    <name>DisplayStrings</name>
    <message>
        <source>nm</source>
        <translation>nm</translation>
    </message>
    <message>
        <source>µs</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>ns</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>dB/km</source>
        <translation>dB/km</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>2-Way Average</source>
        <translation>Moyenne bidirectionnelle</translation>
    </message>
    <message>
        <source>Delta Compare</source>
        <translation>Comparaison delta</translation>
    </message>
    <message>
        <source>Atten</source>
        <translation>Atté.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>Singlemode</source>
        <translation>Monomode</translation>
    </message>
    <message>
        <source>Multimode</source>
        <translation>Multimode</translation>
    </message>
    <message>
        <source>SM</source>
        <translation>SM</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Timed</source>
        <translation>Minuté</translation>
    </message>
    <message>
        <source>AutoMode</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Hors plage</translation>
    </message>
    <message>
        <source>Out of Dist.</source>
        <translation>Hors dist.</translation>
    </message>
    <message>
        <source>FSTAH2D</source>
        <translation>FSTAH2D</translation>
    </message>
    <message>
        <source>mi</source>
        <translation>mi</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>kft</source>
        <translation>kpi</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc</translation>
    </message>
    <message>
        <source>Launch Event</source>
        <translation>Événement de départ</translation>
    </message>
    <message>
        <source>Reflective</source>
        <translation>Réfléchissant</translation>
    </message>
    <message>
        <source>Non-Reflective</source>
        <translation>Non réfléchissant</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>End Event</source>
        <translation>Fin de fibre</translation>
    </message>
    <message>
        <source>Questionable End</source>
        <translation>Fin douteuse</translation>
    </message>
    <message>
        <source>Splice Loss</source>
        <translation>Perte d'épissure</translation>
    </message>
    <message>
        <source>2-Point Loss</source>
        <translation>Perte 2 points</translation>
    </message>
    <message>
        <source>2-Point Loss LSA</source>
        <translation>Perte 2 points LSA</translation>
    </message>
    <message>
        <source>dB/km Loss</source>
        <translation>Perte dB/km</translation>
    </message>
    <message>
        <source>dB/km Loss LSA</source>
        <translation>Perte dB/km LSA</translation>
    </message>
    <message>
        <source>ORL</source>
        <translation>ORL</translation>
    </message>
    <message>
        <source>2-Point Atn. Cor.</source>
        <translation>Perte 2 points corr.</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Add Traces to Trace List</source>
        <translation>Ajouter des traces à la liste de traces</translation>
    </message>
    <message>
        <source>Are you sure that you want to remove the selected traces?</source>
        <translation>Voulez-vous vraiment retirer les traces sélectionnées ?</translation>
    </message>
    <message>
        <source>Continue processing traces?</source>
        <translation>Continuer le traitement des traces ?</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d'ouvrir le document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d'enregistrer le document.</translation>
    </message>
    <message>
        <source>Some traces of this list cannot be found. They stay in the list, marked as missing:</source>
        <translation>Certaines traces de cette liste sont introuvables. Elles restent dans la liste, marquées comme manquantes :</translation>
    </message>
    <message>
        <source>The path of this trace is too long to be kept in a trace list (255 bytes at most).</source>
        <translation>Le chemin de cette trace est trop long pour une liste de traces (255 octets au plus).</translation>
    </message>
    <message>
        <source>A trace list file holds at most 65535 traces; the list was not saved.</source>
        <translation>Un fichier de liste contient au plus 65535 traces ; la liste n'a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Power-meter files need the power-meter library (Pomarel), which is not installed.</source>
        <translation>Les fichiers de wattmètre nécessitent la bibliothèque de wattmètre (Pomarel), qui n'est pas installée.</translation>
    </message>
    <message>
        <source>Save the Header Template in Brannic 77 format?
  (No selects Unicode format.)</source>
        <translation>Enregistrer le modèle d'en-tête au format Brannic 77 ?
  (Non choisit le format Unicode.)</translation>
    </message>
    <message>
        <source>Unable to flip a trace with no events.</source>
        <translation>Impossible de retourner une trace sans événements.</translation>
    </message>
    <message>
        <source>Cannot load the program language file :
</source>
        <translation>Impossible de charger le fichier de langue du programme :
</translation>
    </message>
    <message>
        <source>Cannot find the help language file :
</source>
        <translation>Impossible de trouver le fichier de langue de l'aide :
</translation>
    </message>
</context>
<context>
    <name>orvane::BidirMenu</name>
    <message>
        <source>Auto &amp;1-Dir</source>
        <translation>Auto &amp;1-Dir</translation>
    </message>
    <message>
        <source>Auto &amp;Bi-Dir</source>
        <translation>Auto &amp;Bi-Dir</translation>
    </message>
    <message>
        <source>Export &amp;Report...</source>
        <translation>Exporter le &amp;rapport...</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Report :</source>
        <translation>Rapport :</translation>
    </message>
</context>
<context>
    <name>orvane::CAuto1BiDirDialog</name>
    <message>
        <source>Automatic 1-Directional Splice Loss Summary Wizard</source>
        <translation>Assistant automatique de synthèse des pertes d&apos;épissure unidirectionnelles</translation>
    </message>
    <message>
        <source>Automatic Bi-Directional Splice Loss Summary Wizard</source>
        <translation>Assistant automatique de synthèse des pertes d&apos;épissure bidirectionnelles</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Exception</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Filename Convention :</source>
        <translation>Convention de nom de fichier :</translation>
    </message>
    <message>
        <source>Cable :</source>
        <translation>Câble :</translation>
    </message>
    <message>
        <source>Printer Parameters</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>Header Line %1 :</source>
        <translation>Ligne d&apos;en-tête %1 :</translation>
    </message>
    <message>
        <source>Top Margin Offset (in) :</source>
        <translation>Décalage de la marge haute (po) :</translation>
    </message>
    <message>
        <source>Left Margin Offset (in) :</source>
        <translation>Décalage de la marge gauche (po) :</translation>
    </message>
    <message>
        <source>Location Information</source>
        <translation>Informations sur les sites</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Event Determination :</source>
        <translation>Détermination des événements :</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>Trace Priority</source>
        <translation>Priorité à la trace</translation>
    </message>
    <message>
        <source>Scale Mode :</source>
        <translation>Mode d&apos;échelle :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Snap to Template End</source>
        <translation>Caler sur la fin du modèle</translation>
    </message>
    <message>
        <source>Snap to Trace End</source>
        <translation>Caler sur la fin de la trace</translation>
    </message>
</context>
<context>
    <name>orvane::CReportWindow</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
</context>
</TS>
