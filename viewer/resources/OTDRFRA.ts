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
    <name>orvane::graph::TraceInfoBar</name>
    <message>
        <source>Range</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Pulse Width</source>
        <translation>Largeur d'impulsion</translation>
    </message>
    <message>
        <source>Horizontal Shift</source>
        <translation>Décalage horizontal</translation>
    </message>
    <message>
        <source>Vertical Shift</source>
        <translation>Décalage vertical</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d'onde</translation>
    </message>
    <message>
        <source># Avg</source>
        <translation>Nb moy.</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <source>TBD</source>
        <translation>À définir</translation>
    </message>
</context>
<context>
    <name>GraphStatus</name>
    <message>
        <source>Cursor Lock</source>
        <translation>Curseurs verrouillés</translation>
    </message>
    <message>
        <source>Display From A</source>
        <translation>Affichage depuis A</translation>
    </message>
    <message>
        <source>Display From B</source>
        <translation>Affichage depuis B</translation>
    </message>
    <message>
        <source>Display From Origin</source>
        <translation>Affichage depuis l'origine</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom Event</source>
        <translation>Zoom sur événement</translation>
    </message>
    <message>
        <source>Shift Trace</source>
        <translation>Décalage de la trace</translation>
    </message>
    <message>
        <source>Shift Cursor A</source>
        <translation>Déplacement du curseur A</translation>
    </message>
    <message>
        <source>Shift Cursor B</source>
        <translation>Déplacement du curseur B</translation>
    </message>
    <message>
        <source>LSA Left Start</source>
        <translation>Début LSA gauche</translation>
    </message>
    <message>
        <source>LSA Left End</source>
        <translation>Fin LSA gauche</translation>
    </message>
    <message>
        <source>LSA Right Start</source>
        <translation>Début LSA droite</translation>
    </message>
    <message>
        <source>LSA Right End</source>
        <translation>Fin LSA droite</translation>
    </message>
    <message>
        <source>LSA Left</source>
        <translation>LSA gauche</translation>
    </message>
    <message>
        <source>LSA Right</source>
        <translation>LSA droite</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>Empilées</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Alignées</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retournées</translation>
    </message>
</context>
<context>
    <name>orvane::EventWindow</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Refl</source>
        <translation>Réfl.</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>No Event Selected</source>
        <translation>Aucun événement sélectionné</translation>
    </message>
</context>
<context>
    <name>orvane::CEventDialog</name>
    <message>
        <source>Saturated</source>
        <translation>Saturé</translation>
    </message>
    <message>
        <source>Insert Event </source>
        <translation>Insérer l'événement </translation>
    </message>
    <message>
        <source>Edit Event </source>
        <translation>Modifier l'événement </translation>
    </message>
    <message>
        <source>User Created</source>
        <translation>Créé par l'utilisateur</translation>
    </message>
    <message>
        <source>User Edited</source>
        <translation>Modifié par l'utilisateur</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Réflectance</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>orvane::COrvane</name>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Index of Refraction</source>
        <translation>Indice de réfraction</translation>
    </message>
    <message>
        <source>Backscatter Coef. (dB)</source>
        <translation>Coef. de rétrodiffusion (dB)</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Seuils</translation>
    </message>
    <message>
        <source>Event Loss</source>
        <translation>Perte d'événement</translation>
    </message>
    <message>
        <source>Event Reflectance</source>
        <translation>Réflectance d'événement</translation>
    </message>
    <message>
        <source>Fiber Break</source>
        <translation>Rupture de fibre</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>End/Fault</source>
        <translation>Fin/Défaut</translation>
    </message>
    <message>
        <source>End - End Loss</source>
        <translation>Perte de bout en bout</translation>
    </message>
    <message>
        <source>ORL</source>
        <translation>ORL</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Span Loss  dB/km</source>
        <translation>Tronçon  dB/km</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Refl.</source>
        <translation>Réfl.</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Optics Module</source>
        <translation>Module optique</translation>
    </message>
    <message>
        <source>Fiber Type</source>
        <translation>Type de fibre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Trace Type</source>
        <translation>Type de trace</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Plage d'affichage</translation>
    </message>
    <message>
        <source>Pulse Width</source>
        <translation>Largeur d'impulsion</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d'onde</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>Moyennes</translation>
    </message>
    <message>
        <source>Scan Time</source>
        <translation>Durée d'acquisition</translation>
    </message>
    <message>
        <source>Horz. Shift</source>
        <translation>Décal. horiz.</translation>
    </message>
    <message>
        <source>Vert. Shift</source>
        <translation>Décal. vert.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>orvane::LockIndicators</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file no longer exists. It was removed from the recent-file list.</source>
        <translation>Ce fichier n'existe plus. Il a été retiré de la liste des fichiers récents.</translation>
    </message>
    <message>
        <source>Distance must be a number.</source>
        <translation>La distance doit être un nombre.</translation>
    </message>
    <message>
        <source>Loss must be a number.</source>
        <translation>La perte doit être un nombre.</translation>
    </message>
    <message>
        <source>Reflectance must be a number.</source>
        <translation>La réflectance doit être un nombre.</translation>
    </message>
    <message>
        <source>Reflectance must be between -100 and 0 dB.</source>
        <translation>La réflectance doit être comprise entre -100 et 0 dB.</translation>
    </message>
    <message>
        <source>Loss must lie within the trace's dynamic range:</source>
        <translation>La perte doit rester dans la dynamique de la trace :</translation>
    </message>
    <message>
        <source>Index of Refraction must be a number.</source>
        <translation>L'indice de réfraction doit être un nombre.</translation>
    </message>
    <message>
        <source>Index of Refraction must be between 1.3 and 1.7.</source>
        <translation>L'indice de réfraction doit être compris entre 1,3 et 1,7.</translation>
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
<context>
    <name>orvane::CApplyTemplateDialog</name>
    <message>
        <source>Apply Splice Template</source>
        <translation>Appliquer le modèle d&apos;épissures</translation>
    </message>
    <message>
        <source>Template Events</source>
        <translation>Événements du modèle</translation>
    </message>
    <message>
        <source>Merge Template and Trace Events</source>
        <translation>Fusionner les événements du modèle et de la trace</translation>
    </message>
    <message>
        <source>Event Determination :</source>
        <translation>Détermination des événements :</translation>
    </message>
    <message>
        <source>Trace Priority</source>
        <translation>Priorité à la trace</translation>
    </message>
    <message>
        <source>Percent Distance :</source>
        <translation>Distance en pourcentage :</translation>
    </message>
    <message>
        <source>Absolute Distance (%1) :</source>
        <translation>Distance absolue (%1) :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Snap to Template End</source>
        <translation>Caler sur la fin du modèle</translation>
    </message>
    <message>
        <source>Snap to Trace End</source>
        <translation>Caler sur la fin de la trace</translation>
    </message>
    <message>
        <source>Scale :</source>
        <translation>Échelle :</translation>
    </message>
    <message>
        <source>Save Trace</source>
        <translation>Enregistrer la trace</translation>
    </message>
</context>
<context>
    <name>orvane::CAuto1BiDirDialog</name>
    <message>
        <source>Number of Splices :</source>
        <translation>Nombre d&apos;épissures :</translation>
    </message>
    <message>
        <source>Correlation % :</source>
        <translation>Corrélation % :</translation>
    </message>
    <message>
        <source>Pass/Fail Loss : Bi-Dir :</source>
        <translation>Perte admise : bidir. :</translation>
    </message>
    <message>
        <source>1-Dir :</source>
        <translation>unidir. :</translation>
    </message>
    <message>
        <source>Ignore Patch Cord Connector</source>
        <translation>Ignorer le connecteur du cordon</translation>
    </message>
    <message>
        <source>Loss Threshold (dB) :</source>
        <translation>Seuil de perte (dB) :</translation>
    </message>
    <message>
        <source>Minimum Frequency :</source>
        <translation>Fréquence minimale :</translation>
    </message>
    <message>
        <source>Adjust for Helix Factor</source>
        <translation>Corriger le facteur d&apos;hélice</translation>
    </message>
    <message>
        <source>Event Frequency Distribution</source>
        <translation>Distribution de fréquence des événements</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
    <message>
        <source>While the wizard runs: Template Events, Snap to Trace End.</source>
        <translation>Pendant l&apos;assistant : événements du modèle, calage sur la fin de la trace.</translation>
    </message>
    <message>
        <source>Percent Distance :</source>
        <translation>Distance en pourcentage :</translation>
    </message>
    <message>
        <source>Absolute Distance :</source>
        <translation>Distance absolue :</translation>
    </message>
</context>
<context>
    <name>orvane::CBatchDialog</name>
    <message>
        <source>Batch Trace Processing</source>
        <translation>Traitement des traces par lot</translation>
    </message>
    <message>
        <source>Please specify how the selected traces are to be processed :</source>
        <translation>Indiquez comment traiter les traces sélectionnées :</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Generate  :</source>
        <translation>Générer  :</translation>
    </message>
    <message>
        <source>Dir Path : </source>
        <translation>Dossier : </translation>
    </message>
    <message>
        <source>Filename : </source>
        <translation>Nom de fichier : </translation>
    </message>
    <message>
        <source>Remove Events</source>
        <translation>Supprimer les événements</translation>
    </message>
    <message>
        <source> &lt; </source>
        <translation> &lt; </translation>
    </message>
    <message>
        <source> Unshifted</source>
        <translation> non décalés</translation>
    </message>
    <message>
        <source> &gt; </source>
        <translation> &gt; </translation>
    </message>
    <message>
        <source> Shifted</source>
        <translation> décalés</translation>
    </message>
    <message>
        <source>From  start :</source>
        <translation>Depuis le début :</translation>
    </message>
    <message>
        <source>cords</source>
        <translation>cordons</translation>
    </message>
    <message>
        <source>From  end :</source>
        <translation>Depuis la fin :</translation>
    </message>
    <message>
        <source>Calculate ORL</source>
        <translation>Calculer l&apos;ORL</translation>
    </message>
    <message>
        <source>A to B</source>
        <translation>De A à B</translation>
    </message>
    <message>
        <source>Full Trace</source>
        <translation>Trace entière</translation>
    </message>
    <message>
        <source>Traces</source>
        <translation>Traces</translation>
    </message>
    <message>
        <source>Export Trace Waveform into TXT File.</source>
        <translation>Exporter la courbe de la trace en fichier TXT.</translation>
    </message>
    <message>
        <source>Analyze.</source>
        <translation>Analyser.</translation>
    </message>
    <message>
        <source>Set  IOR  =</source>
        <translation>Indice  =</translation>
    </message>
    <message>
        <source>Set  Shift  =</source>
        <translation>Décalage  =</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Backscatter  Coef.  =</source>
        <translation>Coef.  rétrodiffusion  =</translation>
    </message>
    <message>
        <source>Copy Current View.</source>
        <translation>Copier la vue courante.</translation>
    </message>
    <message>
        <source>Copy Primary Trace Header.</source>
        <translation>Copier l&apos;en-tête de la trace principale.</translation>
    </message>
    <message>
        <source>Show min/max event end distance, etc.</source>
        <translation>Afficher les distances de fin min/max, etc.</translation>
    </message>
    <message>
        <source>Remove Analysis.</source>
        <translation>Supprimer l&apos;analyse.</translation>
    </message>
    <message>
        <source>Save Traces as</source>
        <translation>Enregistrer les traces en</translation>
    </message>
</context>
<context>
    <name>orvane::CExceptionCriteriaPage</name>
    <message>
        <source>Different than Primary</source>
        <translation>Différent de la trace principale</translation>
    </message>
    <message>
        <source>Different than Primary by &gt; X%</source>
        <translation>Différent de la principale de plus de X %</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
</context>
<context>
    <name>orvane::CReportWindow</name>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
</context>
<context>
    <name>orvane::CSmartTemplateDialog</name>
    <message>
        <source>Smart Splice Template</source>
        <translation>Modèle d&apos;épissures automatique</translation>
    </message>
    <message>
        <source>Number of Splices :</source>
        <translation>Nombre d&apos;épissures :</translation>
    </message>
    <message>
        <source>Loss Threshold (dB) :</source>
        <translation>Seuil de perte (dB) :</translation>
    </message>
    <message>
        <source>Minimum Frequency :</source>
        <translation>Fréquence minimale :</translation>
    </message>
    <message>
        <source>Adjust for Helix Factor</source>
        <translation>Corriger le facteur d&apos;hélice</translation>
    </message>
    <message>
        <source>Event Frequency Distribution</source>
        <translation>Distribution de fréquence des événements</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le rapport</translation>
    </message>
</context>
<context>
    <name>orvane::printing::CBiDirPrintSetupDialog</name>
    <message>
        <source>Bi-Directional Print Setup</source>
        <translation>Impression bidirectionnelle</translation>
    </message>
</context>
<context>
    <name>orvane::printing::CPageLayoutDialog</name>
    <message>
        <source>Page Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Bi-Dir</source>
        <translation>Bidir.</translation>
    </message>
    <message>
        <source>Trace &amp;Plot</source>
        <translation>&amp;Courbe</translation>
    </message>
    <message>
        <source>Trace &amp;Information</source>
        <translation>&amp;Informations de la trace</translation>
    </message>
    <message>
        <source>&amp;Header Information</source>
        <translation>&amp;En-tête</translation>
    </message>
    <message>
        <source>&amp;Event Table</source>
        <translation>&amp;Table des événements</translation>
    </message>
    <message>
        <source>Traces</source>
        <translation>Traces</translation>
    </message>
    <message>
        <source>&amp;All Displayed Traces</source>
        <translation>&amp;Toutes les traces affichées</translation>
    </message>
    <message>
        <source>P&amp;rimary Trace Only</source>
        <translation>Trace p&amp;rincipale seule</translation>
    </message>
    <message>
        <source>E&amp;xpand to Right Edge</source>
        <translation>É&amp;tendre jusqu&apos;au bord droit</translation>
    </message>
    <message>
        <source>Traces per Plot</source>
        <translation>Traces par courbe</translation>
    </message>
    <message>
        <source>&amp;Dual Plot</source>
        <translation>&amp;Double courbe</translation>
    </message>
    <message>
        <source>Use Current &amp;View</source>
        <translation>Utiliser la &amp;vue courante</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Bi-Dir &amp;Event Table</source>
        <translation>Table des événements &amp;bidir.</translation>
    </message>
</context>
<context>
    <name>orvane::printing::CReportSetupDialog</name>
    <message>
        <source>Report Setup</source>
        <translation>Définition du rapport</translation>
    </message>
    <message>
        <source>C&amp;able :</source>
        <translation>C&amp;âble :</translation>
    </message>
    <message>
        <source>&amp;Report Type</source>
        <translation>Type de &amp;rapport</translation>
    </message>
    <message>
        <source>&amp;Ignore Patch Cord Connector</source>
        <translation>&amp;Ignorer le connecteur du cordon</translation>
    </message>
    <message>
        <source>Trace Selection/Identification from Selected Traces</source>
        <translation>Sélection et identification parmi les traces sélectionnées</translation>
    </message>
</context>
<context>
    <name>orvane::printing::CSelectPrintTypeDialog</name>
    <message>
        <source>Select Print/Preview Type</source>
        <translation>Type d&apos;impression ou d&apos;aperçu</translation>
    </message>
    <message>
        <source>Print/Preview What?</source>
        <translation>Imprimer ou prévisualiser quoi ?</translation>
    </message>
    <message>
        <source>&amp;Waveform in Color.</source>
        <translation>&amp;Courbe en couleur.</translation>
    </message>
    <message>
        <source>&amp;Top Margin Offset : </source>
        <translation>Marge du &amp;haut : </translation>
    </message>
    <message>
        <source>&amp;Left Margin Offset : </source>
        <translation>Marge de &amp;gauche : </translation>
    </message>
    <message>
        <source>&amp;Header Lines :</source>
        <translation>&amp;Lignes d&apos;en-tête :</translation>
    </message>
</context>
<context>
    <name>orvane::printing::PrintSetupFields</name>
    <message>
        <source>Correlation &amp;% :</source>
        <translation>Corrélation &amp;% :</translation>
    </message>
    <message>
        <source>Bi-Dir </source>
        <translation>Bidir. </translation>
    </message>
    <message>
        <source>1-Dir </source>
        <translation>Unidir. </translation>
    </message>
    <message>
        <source>&amp;Hi Loss : </source>
        <translation>Perte é&amp;levée : </translation>
    </message>
    <message>
        <source>File&amp;name Convention :</source>
        <translation>Convention de &amp;nom :</translation>
    </message>
    <message>
        <source>Process &amp;Wavelength(nm) :</source>
        <translation>&amp;Longueur d&apos;onde (nm) :</translation>
    </message>
    <message>
        <source>Fibers Per &amp;Group :</source>
        <translation>Fibres par &amp;groupe :</translation>
    </message>
    <message>
        <source>&amp;First :</source>
        <translation>&amp;Premier :</translation>
    </message>
    <message>
        <source>&amp;Second :</source>
        <translation>&amp;Second :</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Location Code</source>
        <translation>Code du site</translation>
    </message>
    <message>
        <source>Location Name</source>
        <translation>Nom du site</translation>
    </message>
</context>
</TS>
